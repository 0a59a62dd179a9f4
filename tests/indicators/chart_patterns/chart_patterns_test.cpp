// The chart patterns on swings drawn by hand from each rule: a formation per sign, the ties of
// the 3 % closeness and of the strict bounds, the signed factors of Triangle on negative prices,
// and formations whose moves overflow near the double range.
#include <gtest/gtest.h>

#include <vector>

#include "indicators/chart_patterns/swing_cases.hpp"

namespace prynox::test {
namespace {

const std::vector<SwingCase> kCases = {
    {"DoubleTopBottom", {100, 90, 102.9}, -1, "|100 - 102.9| <= 0.03 * 102.9"},
    {"DoubleTopBottom", {100, 90, 103.5}, 0, "3.5 > 0.03 * 103.5"},
    {"DoubleTopBottom", {100, 90, 97}, -1, "3 = 0.03 * 100: the bound is inclusive"},
    {"DoubleTopBottom", {120, 80, 100, 81}, 1, "double bottom"},
    {"DoubleTopBottom", {0, 0, 5e-324}, -1, "the floor makes 0 and the least subnormal close"},
    {"TripleTopBottom", {100, 80, 101, 82, 99}, -1, "three highs, each close to the next"},
    {"TripleTopBottom", {120, 80, 100, 81, 100, 79}, 1, "three lows"},
    {"TripleTopBottom", {100, 80, 101, 82, 95}, 0, "the last high 6 below the middle one"},
    {"RectangleRange", {100, 80, 101, 81, 100}, -1, "highs and lows close, ending on a high"},
    {"RectangleRange", {100, 80, 101, 81}, 1, "ending on a low"},
    {"RectangleRange", {100, 80, 101, 88}, 0, "lows 8 apart"},
    {"FlagPennant", {100, 60, 100, 90}, 1, "pole up 40, flag back 10"},
    {"FlagPennant", {100, 60, 70}, -1, "pole down 40, flag back 10"},
    {"FlagPennant", {100, 60, 100, 80}, 0, "flag back exactly half the pole: strict"},
    {"FlagPennant", {0, -0.9e308, 0.95e308, -0.5e308}, 0, "pole 1.85e308 overflows; the flag gives back 1.45e308"},
    {"Wedge", {100, 80, 100, 90, 105}, -1, "highs +5, lows +10: rising wedge"},
    {"Wedge", {120, 100, 110, 98}, 1, "highs -10, lows -2: falling wedge"},
    {"Wedge", {100, 80, 100, 90, 110}, 0, "equal moves: strict"},
    {"Wedge", {1.1e308, 1e308, 1.7e308, -1e308, -0.5e308}, 1, "highs -2.2e308, lows -2e308, both overflow"},
    {"Triangle", {100, 80, 100, 90, 101}, 1, "flat highs, rising lows"},
    {"Triangle", {100, 50, 100, 51.5, 100}, 0, "latest low exactly 1.03 * 50: strict"},
    {"Triangle", {100, 50, 100, 51.50000000000001, 100}, 1, "one ulp above 1.03 * 50"},
    {"Triangle", {120, 80, 100, 81}, -1, "falling highs, flat lows"},
    {"Triangle", {120, 80, 100, 80, 97}, 0, "highs close, latest high exactly 0.97 * 100: strict"},
    {"Triangle", {1.2, 0.8, 1, 0.8, 0.97}, 0, "highs not close (1 - 0.97 rounds above 0.03), 0.97 * 1: strict"},
    {"Triangle", {120, 80, 100, 90}, 1, "symmetrical, ending on a low"},
    {"Triangle", {130, 80, 120, 90, 100}, -1, "symmetrical, ending on a high"},
    {"HeadAndShoulders", {100, 80, 120, 81, 101}, -1, "head 120 over shoulders 100 and 101"},
    {"HeadAndShoulders", {130, 80, 100, 60, 101, 81}, 1, "inverse: head 60 under shoulders 80 and 81"},
    {"HeadAndShoulders", {100, 80, 101, 81, 101}, 0, "head equal to the right shoulder"},
    {"CupAndHandle", {100, 70, 101, 90}, 1, "handle low 90 between the bottom 70 and the rim 101"},
    {"CupAndHandle", {100, 70, 101, 70}, 0, "handle low on the cup bottom"},
    {"CupAndHandle", {140, 80, 120, 81, 100}, -1, "inverted cup"},
};

TEST(ChartPatterns, HandDrawnSwings) { check_swing_cases(kCases); }

// 1.03 and 0.97 multiply the previous pivot's signed price: on negative prices equal lows rise,
// and highs 2 apart are both close and falling.
TEST(ChartPatterns, TriangleFactorsTakeTheSignedPrice) {
    check_swing_cases({
        {"Triangle", {-100, -110, -98, -110}, 1, "-110 > 1.03 * -110"},
        {"Triangle", {-100, -100, -98, -103}, -1, "highs close and -98 < 0.97 * -100; lows close"},
    });
}

}  // namespace
}  // namespace prynox::test
