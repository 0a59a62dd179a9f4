// The patterns of four and five candles on candles drawn by hand from each rule: a textbook set
// per sign, the bounds that include equality and the strict ones that refuse it.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/pattern_rows.hpp"

namespace prynox {
namespace {

using namespace test::pattern_rows;

struct Case {
    const char* type;
    Candles bars;  // oldest first; the last (fourth or fifth) is judged
    double want;
    const char* why;
};

const Candle kSoldier1 = bar(10, 12.5, 9.5, 12), kSoldier2 = bar(11, 14.5, 10.5, 14), kSoldier3 = bar(13, 16.5, 12.5, 16);
const Candle kCrow1 = bar(16, 16.5, 13.5, 14), kCrow2 = bar(15, 15.5, 11.5, 12), kCrow3 = bar(13, 13.5, 9.5, 10);
const Candle kShaven1 = bar(20, 20, 16, 16), kShaven2 = bar(16, 16, 12, 12), kBaby = bar(11, 13, 9.5, 10);
const Candle kLongWhite = bar(10, 20.5, 9.5, 20), kLongBlack = bar(20, 20.5, 9.5, 10);
// Three small black candles inside kLongWhite's range with falling closes, and the mirror.
const Candle kFall2 = bar(19, 19.5, 16.5, 17), kFall3 = bar(18, 18.5, 15.5, 16), kFall4 = bar(17, 17.5, 14.5, 15);
const Candle kRise2 = bar(11, 13.5, 10.5, 13), kRise3 = bar(12, 14.5, 11.5, 14), kRise4 = bar(13, 15.5, 12.5, 15);
// A mat: a gap above kLongWhite's close, then two small bodies holding above 20 - 0.5 x 10.
const Candle kMat2 = bar(22, 23, 21, 21.5), kMat3 = bar(21, 22, 19, 19.5), kMat4 = bar(19.5, 21, 18, 20);
const Candle kLadder1 = bar(20, 20.5, 17.5, 18), kLadder2 = bar(19, 19.5, 16.5, 17), kLadder3 = bar(18, 18.5, 15.5, 16);

const std::vector<Case> kCases = {
    // Three-line strike: the first three are three soldiers or three crows.
    {"ThreeLineStrike", {kSoldier1, kSoldier2, kSoldier3, bar(16.5, 17, 9, 9.5)}, 1.0, "soldiers struck down"},
    {"ThreeLineStrike", {kCrow1, kCrow2, kCrow3, bar(9.5, 17, 9, 16.5)}, -1.0, "crows struck up"},
    {"ThreeLineStrike", {kSoldier1, bar(10, 14.5, 9.5, 14), kSoldier3, bar(16.5, 17, 9, 9.5)}, 1.0,
     "second opens exactly at the first open"},
    {"ThreeLineStrike", {kSoldier1, kSoldier2, kSoldier3, bar(16.5, 17, 10, 10)}, 0.0, "fourth closes exactly at O1"},
    {"ThreeLineStrike", {kSoldier1, kSoldier2, kSoldier3, bar(16, 17, 9, 9.5)}, 0.0, "fourth opens at the third close"},
    {"ThreeLineStrike", {kSoldier1, bar(12.25, 14.5, 12, 14), kSoldier3, bar(16.5, 17, 9, 9.5)}, 0.0,
     "second opens above the first body"},
    // Concealing baby swallow.
    {"ConcealingBabySwallow", {kShaven1, kShaven2, kBaby, bar(13.5, 14, 8.5, 9)}, 1.0, "fourth engulfs the third's range"},
    {"ConcealingBabySwallow", {bar(20, 20.25, 15.25, 15.5), kShaven2, kBaby, bar(13.5, 14, 8.5, 9)}, 1.0,
     "first shadows exactly 0.05 of its range"},
    {"ConcealingBabySwallow", {bar(20, 20.375, 15.25, 15.5), kShaven2, kBaby, bar(13.5, 14, 8.5, 9)}, 0.0,
     "first upper shadow 0.075 of its range"},
    {"ConcealingBabySwallow", {kShaven1, kShaven2, kBaby, bar(13, 14, 8.5, 9)}, 0.0, "fourth opens exactly at H3"},
    {"ConcealingBabySwallow", {kShaven1, kShaven2, bar(11, 12, 9.5, 10), bar(13.5, 14, 8.5, 9)}, 0.0,
     "third high only reaches the second close"},
    // Rising and falling three methods.
    {"RisingThreeMethods", {kLongWhite, kFall2, kFall3, kFall4, bar(15.5, 22, 15, 21.5)}, 1.0, "rising three methods"},
    {"RisingThreeMethods", {kLongWhite, kFall2, kFall3, bar(9.75, 10, 8, 8.75), bar(9, 22, 9, 21.5)}, 1.0,
     "fourth body top just above L1"},
    {"RisingThreeMethods", {kLongWhite, kFall2, kFall3, bar(9.5, 10, 8, 8.5), bar(9, 22, 9, 21.5)}, 0.0,
     "fourth body top equal to L1"},
    {"RisingThreeMethods", {kLongWhite, kFall2, bar(18, 18.5, 16.5, 17), kFall4, bar(15.5, 22, 15, 21.5)}, 0.0,
     "equal closes of the second and third candles"},
    {"RisingThreeMethods", {kLongWhite, kFall2, kFall3, kFall4, bar(15, 22, 15, 21.5)}, 0.0, "fifth opens exactly at C4"},
    {"RisingThreeMethods",
     {kLongWhite, bar(20, 20.25, 14.75, 15), bar(16, 16.5, 13.5, 14), bar(15, 15.5, 12.5, 13), bar(13.5, 22, 13, 21.5)},
     1.0, "second body exactly half the first"},
    {"RisingThreeMethods", {bar(10, 20, 0, 20), kFall2, kFall3, kFall4, bar(15.5, 22, 15, 21.5)}, 1.0,
     "first body exactly half its range"},
    {"RisingThreeMethods", {kLongWhite, kFall2, kFall3, kFall4, bar(16, 22, 14, 20)}, 0.0, "fifth closes at C1"},
    {"FallingThreeMethods", {kLongBlack, kRise2, kRise3, kRise4, bar(14.5, 15, 8, 8.5)}, -1.0, "falling three methods"},
    {"FallingThreeMethods", {kLongBlack, kRise2, kRise3, kRise4, bar(15, 15, 8, 8.5)}, 0.0, "fifth opens exactly at C4"},
    {"FallingThreeMethods", {kLongBlack, kRise2, bar(12, 13.5, 11.5, 13), kRise4, bar(14.5, 15, 8, 8.5)}, 0.0,
     "equal closes of the second and third candles"},
    {"FallingThreeMethods", {kLongBlack, kRise2, kRise3, bar(20.5, 25.5, 20, 25), bar(14.5, 15, 8, 8.5)}, 0.0,
     "fourth body bottom equal to H1"},
    // Mat hold: penetration 0.5 of the first body for the lows.
    {"MatHold", {kLongWhite, kMat2, kMat3, kMat4, bar(20, 24, 19.5, 23.5)}, 1.0, "mat hold"},
    {"MatHold", {kLongWhite, bar(22, 23, 20, 20), kMat3, kMat4, bar(20, 24, 19.5, 23.5)}, 0.0, "second body bottom at C1"},
    {"MatHold", {kLongWhite, kMat2, bar(16, 19, 15.5, 18), kMat4, bar(20, 24, 19.5, 23.5)}, 1.0,
     "third body below C1, its low above 15"},
    {"MatHold", {kLongWhite, kMat2, bar(16, 19, 15, 18), kMat4, bar(20, 24, 19.5, 23.5)}, 0.0, "third low exactly at 15"},
    {"MatHold", {kLongWhite, kMat2, bar(21, 22, 15.5, 16), kMat4, bar(20, 24, 19.5, 23.5)}, 1.0,
     "third body exactly half the first"},
    {"MatHold", {kLongWhite, kMat2, kMat3, kMat4, bar(20, 24, 19.5, 23)}, 0.0, "fifth closes at the highest high"},
    // Ladder bottom.
    {"LadderBottom", {kLadder1, kLadder2, kLadder3, bar(15.5, 16.5, 14, 14.5), bar(16, 17.5, 15.75, 17)}, 1.0,
     "ladder bottom"},
    {"LadderBottom", {kLadder1, kLadder2, kLadder3, bar(15.5, 15.5, 14, 14.5), bar(16, 17.5, 15.75, 17)}, 0.0,
     "fourth high equal to its open"},
    {"LadderBottom", {kLadder1, kLadder2, kLadder3, bar(15.5, 16.5, 14, 14.5), bar(16, 17, 15.75, 16.5)}, 0.0,
     "fifth closes at the fourth high"},
    // Breakaway: the third candle's colour is not read.
    {"Breakaway",
     {bar(20, 20.5, 17.5, 18), bar(17, 17.5, 15.5, 16), bar(15.5, 16, 14, 14.5), bar(14.5, 15, 12.5, 13),
      bar(13, 17.75, 12.75, 17.5)},
     1.0, "bullish breakaway"},
    {"Breakaway",
     {bar(20, 20.5, 17.5, 18), bar(17, 17.5, 15.5, 16), bar(15.5, 16, 14, 14.5), bar(14.5, 15, 12.5, 13),
      bar(17.5, 17.75, 12.75, 17.5)},
     0.0, "fifth without a body"},
    {"Breakaway",
     {bar(10, 12.5, 9.5, 12), bar(13, 14.5, 12.5, 14), bar(14.5, 16, 14, 15.5), bar(15.5, 17.5, 15, 17),
      bar(17, 17.25, 12.25, 12.5)},
     -1.0, "bearish breakaway"},
    {"Breakaway",
     {bar(10, 12.5, 9.5, 12), bar(13, 14.5, 12.5, 14), bar(15.5, 16, 14, 14.5), bar(15.5, 17.5, 15, 17),
      bar(17, 17.25, 12.25, 12.5)},
     -1.0, "black third candle"},
    {"Breakaway",
     {bar(10, 12.5, 9.5, 12), bar(13, 14.5, 12.5, 14), bar(14.5, 16, 14, 15.5), bar(15.5, 17.5, 15, 17),
      bar(17, 17.25, 12.25, 13)},
     0.0, "fifth closes exactly at O2"},
};

TEST(MultiCandlePatterns, HandDrawnCandles) {
    for (const Case& c : kCases) {
        Series want(c.bars.size() - 1, N);
        want.push_back(c.want);
        EXPECT_EQ(run(c.type, c.bars), want) << c.type << ": " << c.why;
    }
}

// Every type of the family, with each of its signs met above.
TEST(MultiCandlePatterns, EveryTypeAndSignIsDrawn) {
    std::vector<std::string> met;
    for (const Case& c : kCases)
        if (c.want != 0.0) met.push_back(std::string(c.type) + (c.want > 0 ? "+" : "-"));
    for (const char* want : {"ThreeLineStrike+", "ThreeLineStrike-", "ConcealingBabySwallow+", "RisingThreeMethods+",
                             "FallingThreeMethods-", "MatHold+", "LadderBottom+", "Breakaway+", "Breakaway-"})
        EXPECT_NE(std::find(met.begin(), met.end(), want), met.end()) << want;
}

// A valid candle is kept whatever the tests found, and an invalid one neither counts nor shifts
// the row: the pattern completes on the bar after.
TEST(MultiCandlePatterns, EveryValidCandleIsKept) {
    const Candle invalid = bar(13, 12, 14, 13), strike = bar(16.5, 17, 9, 9.5);
    EXPECT_EQ(run("ThreeLineStrike", {kCrow1, kSoldier1, kSoldier2, kSoldier3, strike}), (Series{N, N, N, 0.0, 1.0}));
    EXPECT_EQ(run("ThreeLineStrike", {kSoldier1, invalid, kSoldier2, kSoldier3, invalid, strike}),
              (Series{N, N, N, N, N, 1.0}));
    EXPECT_EQ(run("MatHold", {kLongWhite, kMat2, invalid, kMat3, kMat4, bar(20, 24, 19.5, 23.5)}),
              (Series{N, N, N, N, N, 1.0}));
}

// Parameters are ignored: the penetration stays 0.5.
TEST(MultiCandlePatterns, PenetrationIsFixed) {
    EXPECT_EQ(run("MatHold", {kLongWhite, kMat2, bar(16, 19, 15, 18), kMat4, bar(20, 24, 19.5, 23.5)}, {0.9}).back(), 0.0);
}

}  // namespace
}  // namespace prynox
