// The harmonic patterns on swings drawn by hand from their leg ratios: a pattern per sign (the
// bearish one the bullish mirrored), the inclusive window bounds met exactly (ratios of whole
// legs over 100 or 1000 round to the bound's own literal), a zero leg, and patterns whose legs
// overflow near the double range.
#include <gtest/gtest.h>

#include <vector>

#include "indicators/chart_patterns/swing_cases.hpp"

namespace prynox::test {
namespace {

// X 100, A 200 after a swing high of 250: XA = 100, so AB/XA and AD/XA are |B - 200| / 100 and
// |D - 200| / 100.
const std::vector<SwingCase> kCases = {
    {"Gartley", {250, 100, 200, 140, 180, 120}, 1, "0.6, 0.667, 1.5, 0.8"},
    {"Gartley", {300, 200, 260, 220, 280}, -1, "mirrored"},
    {"Gartley", {250, 100, 200, 140, 180, 116}, 1, "AD/XA exactly 0.84"},
    {"Gartley", {0, -1e308, 1e308, -2e307, 6e307, -6e307}, 1, "XA 2e308 overflows; ratios as above"},
    {"Bat", {250, 100, 200, 150, 180, 112}, 1, "AB/XA exactly 0.5; 0.6, 2.267, 0.88"},
    {"Bat", {250, 100, 200, 150, 180, 112}, 1, "parameters ignored", {0.1, 9}},
    {"Bat", {250, 100, 200, 149.99, 180, 112}, 0, "AB/XA 0.5001"},
    {"Bat", {300, 200, 250, 220, 288}, -1, "mirrored"},
    {"Butterfly", {250, 100, 200, 120, 170, 60}, 1, "0.8, 0.625, 2.2, 1.4"},
    {"Butterfly", {300, 200, 280, 230, 340}, -1, "mirrored"},
    {"Crab", {250, 100, 200, 150, 194, 40}, 1, "0.5, 0.88, 3.5, 1.6"},
    {"Crab", {300, 200, 250, 206, 360}, -1, "mirrored"},
    {"Crab", {250, 100, 200, 150, 194, 35}, 1, "AD/XA exactly 1.65"},
    {"Crab", {250, 100, 200, 150, 194, 34.99}, 0, "AD/XA 1.6501"},
    {"Shark", {250, 100, 200, 70, 317, 100}, 1, "1.3, 1.9, 0.879, 1.0"},
    {"Shark", {300, 200, 330, 83, 300}, -1, "mirrored"},
    {"Shark", {250, 100, 200, 75, 355, 110}, 1, "BC/AB exactly 2.24"},
    {"Cypher", {250, 100, 200, 150, 230, 126}, 1, "AB/XA 0.5, XC/XA 1.3, CD/XC 0.8"},
    {"Cypher", {300, 200, 250, 170, 274}, -1, "mirrored"},
    {"Cypher", {2500, 1000, 2000, 1500, 2414, 1283}, 1, "XC/XA exactly 1.414"},
    {"Abcd", {200, 100, 160, 60}, 1, "BC/AB 0.6, CD/BC 1.667, AB = CD"},
    {"Abcd", {300, 100, 200, 140, 240}, -1, "ending on a high"},
    {"Abcd", {200, 100, 160, 70}, 1, "|AB - CD| exactly 0.1 * AB"},
    {"Abcd", {200, 100, 160, 70.1}, 0, "|AB - CD| 10.1"},
    {"Abcd", {0, 0, 50, 0}, 0, "A = B: a zero first leg"},
    {"Abcd", {1.33e308, -0.57e308, 0.57e308, -1.33e308}, 1, "AB and CD 1.9e308 overflow"},
    {"ThreeDrives", {400, 300, 340, 280, 320, 260, 300, 240}, 1, "corrections 40, drives 60"},
    {"ThreeDrives", {300, 260, 320, 280, 340, 300, 360}, -1, "mirrored"},
    {"ThreeDrives", {400, 300, 340, 280, 320, 260, 310, 230}, 0, "last drive 80 against 60: 20 > 0.2 * 80"},
    {"ThreeDrives", {400, 300, 340, 280, 320, 272, 300, 252}, 1, "corrections 40, 40, 28: 12 = 0.3 * 40"},
    {"ThreeDrives", {3.5e307, 3.2e307, 1.6e308, -3.2e307, 9.6e307, -9.6e307, 3.2e307, -1.6e308}, 1,
     "drives 1.92e308 overflow"},
};

TEST(HarmonicPatterns, HandDrawnSwings) { check_swing_cases(kCases); }

}  // namespace
}  // namespace prynox::test
