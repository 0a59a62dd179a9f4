// The three-candle patterns on candles drawn by hand from each rule: a textbook set per sign, the
// bounds that include equality, the strict ones that refuse it, and ties that a product against
// a range decides (or, for the tower, a quotient).
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
    Candles bars;  // oldest first; the third is judged
    double want;
    const char* why;
};

// White and black candles reused below.
const Candle kWhite10to12 = bar(10, 12.5, 9.5, 12), kWhite10to14 = bar(10, 14.5, 9.5, 14);
const Candle kLongBlack = bar(20, 20.5, 9.5, 10), kLongWhite = bar(10, 20.5, 9.5, 20);

const std::vector<Case> kCases = {
    // Abandoned baby: the doji's tolerance is 0.001 of its larger price, with no floor.
    {"AbandonedBaby", {bar(20, 21, 15, 16), bar(13, 14, 12, 13), bar(15, 18, 14.5, 17)}, 1.0, "doji gapped below, white back up"},
    {"AbandonedBaby", {bar(10, 15, 9, 14), bar(17, 18, 16, 17), bar(15, 15.5, 12, 13)}, -1.0, "doji gapped above, black back down"},
    {"AbandonedBaby", {bar(990, 996, 989, 995), bar(1000, 1000.5, 998.5, 999), bar(997, 997.5, 990, 991)}, -1.0,
     "doji body exactly 0.001 x 1000"},
    {"AbandonedBaby", {bar(990, 996, 989, 995), bar(1000, 1000.5, 998, 998.5), bar(997, 997.5, 990, 991)}, 0.0,
     "doji body 1.5 > 1.0"},
    {"AbandonedBaby", {bar(5, 6, 1, 2), bar(0, 0.5, -0.5, 1e-312), bar(1, 3, 1, 2.5)}, 0.0,
     "a body of 1e-312 at price 0 is no doji: the tolerance has no floor"},
    {"AbandonedBaby", {bar(5, 6, 1, 2), bar(0, 0.5, -0.5, 0), bar(1, 3, 1, 2.5)}, 1.0, "an exact doji at price 0"},
    {"AbandonedBaby", {bar(20, 21, 14, 16), bar(13, 14, 12, 13), bar(15, 18, 14.5, 17)}, 0.0, "doji high touches the first low"},
    {"AbandonedBaby", {bar(20, 21, 15, 16), bar(13, 14, 12, 13), bar(15, 18, 14, 17)}, 0.0, "third low touches the doji high"},
    // Advance block.
    {"AdvanceBlock", {bar(10, 14.5, 9.5, 14), bar(13, 16.5, 12.5, 16), bar(15.5, 18, 15, 17.5)}, -1.0,
     "bodies 4, 3, 2; third upper shadow equal to the second's"},
    {"AdvanceBlock", {bar(10, 14.5, 9.5, 14), bar(14, 16.5, 13.5, 16), bar(15.5, 18, 15, 17)}, -1.0,
     "second opens exactly at the first close"},
    {"AdvanceBlock", {bar(10, 14.5, 9.5, 14), bar(13, 16, 12.5, 16), bar(15.5, 17.5, 15, 17.5)}, 0.0,
     "no upper shadow on the third candle"},
    {"AdvanceBlock", {bar(10, 14.5, 9.5, 14), bar(12, 16.5, 11.5, 16), bar(15.5, 18, 15, 17.5)}, 0.0,
     "second body equal to the first"},
    // Downside gap three methods.
    {"DownsideGapThreeMethods", {bar(20, 20.5, 15.5, 16), bar(15, 15.5, 11.5, 12), bar(13, 18.5, 12.5, 18)}, -1.0,
     "two black candles gapping down, white closing into the gap"},
    {"DownsideGapThreeMethods", {bar(20, 20.5, 15.5, 16), bar(16, 16.5, 11.5, 12), bar(13, 18.5, 12.5, 18)}, 0.0,
     "second opens at the first close: no gap"},
    // Evening and morning doji stars (penetration 0.3).
    {"EveningDojiStar", {kLongWhite, bar(22, 23, 21, 22), bar(21.5, 21.8, 15.5, 16)}, -1.0, "doji above, black below it"},
    {"EveningDojiStar", {bar(10, 20, 0, 20), bar(22, 23, 21, 22), bar(21.5, 21.8, 15.5, 16)}, -1.0,
     "first body exactly half its range"},
    {"EveningDojiStar", {kLongWhite, bar(22, 24, 21.5, 22.25), bar(21.5, 21.8, 15.5, 16)}, -1.0,
     "doji body exactly 0.1 of its range"},
    {"EveningDojiStar", {kLongWhite, bar(22, 23, 21, 22), bar(21.5, 21.8, 15.5, 17)}, 0.0, "closes exactly at C1 - 0.3 b1"},
    {"EveningDojiStar", {kLongWhite, flat(22), bar(21.5, 21.8, 15.5, 16)}, 0.0, "middle candle without range"},
    {"MorningDojiStar", {kLongBlack, bar(8, 9, 7, 8), bar(8.5, 14.5, 8.25, 14)}, 1.0, "doji below, white above it"},
    {"MorningDojiStar", {kLongBlack, bar(8, 9, 7, 8), bar(8.5, 14.5, 8.25, 13)}, 0.0, "closes exactly at C1 + 0.3 (O1 - C1)"},
    {"MorningDojiStar", {kLongBlack, bar(8, 9, 7, 8), bar(8, 14.5, 7.5, 14)}, 0.0, "third body starts at the doji's top"},
    // Morning and evening star.
    {"MorningEveningStar", {bar(20, 20, 10, 10), bar(8, 9, 7, 8.5), bar(9, 15, 9, 14)}, 1.0, "morning star"},
    {"MorningEveningStar", {bar(10, 20, 10, 20), bar(22, 23, 21, 22.5), bar(21, 21, 15, 16)}, -1.0, "evening star"},
    {"MorningEveningStar", {bar(20, 20, 10, 10), bar(8, 9, 7, 8.5), bar(9, 13, 9, 13)}, 0.0, "closes exactly at C1 + 0.3|b1|"},
    {"MorningEveningStar", {bar(10.25, 10.25, 10, 10), bar(8, 9, 7, 8), bar(8.5, 11, 8.5, 10.5)}, 1.0,
     "a middle doji passes the size gate beside a tiny first body"},
    {"MorningEveningStar", {bar(10.25, 10.25, 10, 10), bar(8, 9, 7, 8.25), bar(8.5, 11, 8.5, 10.5)}, 0.0,
     "a middle body of 0.25, doubled, exceeds the first body"},
    // Stalled pattern: the last bound is C2 + -0.1 r2.
    {"StalledPattern", {bar(10, 14.5, 9.5, 14), bar(14, 18.5, 13.5, 18), bar(18, 20, 17.5, 18.5)}, -1.0,
     "small white body on the second close"},
    {"StalledPattern", {bar(10, 14.5, 9.5, 14), bar(14, 18.5, 13.5, 18), bar(17.5, 21, 17.5, 18.5)}, -1.0,
     "opens exactly 0.1 r2 below the second close"},
    {"StalledPattern", {bar(10, 14.5, 9.5, 14), bar(14, 18.5, 13.5, 18), bar(17.25, 21, 17.25, 18.5)}, 0.0,
     "opens 0.15 r2 below the second close"},
    {"StalledPattern", {bar(10, 14.5, 9.5, 14), bar(14, 18.5, 13.5, 18), bar(18, 21, 16, 19.5)}, -1.0,
     "third body exactly 0.3 of its range"},
    {"StalledPattern", {bar(10, 14.5, 9.5, 14), bar(14, 18.5, 13.5, 18), flat(18.5)}, 0.0, "third candle without range"},
    // Stick sandwich.
    {"StickSandwich", {bar(12, 12.5, 9.5, 10), bar(11, 13.5, 10.5, 13), bar(13.5, 14, 9.75, 10.25)}, 1.0,
     "black, white, black closing near the first close"},
    {"StickSandwich", {bar(12, 12, 9.5, 10), bar(11, 13.5, 10.5, 13), bar(13.5, 14, 9.75, 10.25)}, 1.0,
     "closes exactly 0.1 r1 from the first close"},
    {"StickSandwich", {bar(12, 12, 9.5, 10), bar(11, 13.5, 10.5, 13), bar(13.5, 14, 9.75, 10.375)}, 0.0,
     "closes 0.15 r1 from the first close"},
    {"StickSandwich", {bar(12, 12.5, 9.5, 10), bar(11, 13.5, 10, 13), bar(13.5, 14, 9.75, 10.25)}, 0.0,
     "second low touches the first close"},
    // Three inside and three outside.
    {"ThreeInside", {kLongBlack, bar(12, 16.5, 11.5, 16), bar(16.5, 21.5, 16, 21)}, 1.0, "three inside up"},
    {"ThreeInside", {kLongWhite, bar(18, 18.5, 13.5, 14), bar(13.5, 14, 8.5, 9)}, -1.0, "three inside down"},
    {"ThreeInside", {kLongBlack, bar(10, 16, 10, 16), bar(16.5, 21.5, 16, 21)}, 1.0, "second opens exactly at C1"},
    {"ThreeInside", {kLongBlack, bar(10, 20, 10, 20), bar(16.5, 21.5, 16, 21)}, 0.0, "|b2| = |b1|"},
    {"ThreeOutside", {bar(14, 14.5, 11.5, 12), bar(11, 15.5, 10.5, 15), bar(15.25, 17, 15, 16.5)}, 1.0, "three outside up"},
    {"ThreeOutside", {bar(12, 14.5, 11.5, 14), bar(15, 15.5, 10.5, 11), bar(10.75, 11, 9, 9.5)}, -1.0, "three outside down"},
    {"ThreeOutside", {bar(14, 14.5, 11.5, 12), bar(12, 14.5, 11.5, 14.5), bar(15, 17, 15, 16.5)}, 1.0,
     "second opens exactly at C1, body 2.5"},
    {"ThreeOutside", {bar(14, 14.5, 11.5, 12), bar(12, 14.5, 11.5, 14), bar(15, 17, 15, 16.5)}, 0.0, "|b2| = |b1|"},
    // Three soldiers and three crows: both ends of the previous body are inside it.
    {"ThreeSoldiersOrCrows", {kWhite10to12, bar(11, 14.5, 10.5, 14), bar(13, 16.5, 12.5, 16)}, 1.0, "three soldiers"},
    {"ThreeSoldiersOrCrows", {bar(16, 16.5, 13.5, 14), bar(15, 15.5, 11.5, 12), bar(13, 13.5, 9.5, 10)}, -1.0, "three crows"},
    {"ThreeSoldiersOrCrows", {kWhite10to12, bar(12, 14.5, 11.5, 14), bar(12, 16.5, 11.5, 16)}, 1.0,
     "opens at the previous close, then at the previous open"},
    {"ThreeSoldiersOrCrows", {bar(16, 16.5, 13.5, 14), bar(16, 16.5, 11.5, 12), bar(12, 12.5, 9.5, 10)}, -1.0,
     "opens at the previous open, then at the previous close"},
    {"ThreeSoldiersOrCrows", {kWhite10to12, bar(12.25, 14.5, 12, 14), bar(13, 16.5, 12.5, 16)}, 0.0,
     "second opens above the first body"},
    // Three stars in the south: the last candle's shadows within 0.001 of its high.
    {"ThreeStarsInSouth", {bar(20, 20.5, 10, 15), bar(18, 18.5, 13, 16), bar(16, 16, 14, 14)}, 1.0,
     "lower shadow equal to the first body; a shaven third candle"},
    {"ThreeStarsInSouth", {bar(20, 20.5, 10, 15), bar(18, 18.5, 13, 16), bar(16, 16.015625, 14, 14)}, 1.0,
     "upper shadow 0.0156 within 0.0160"},
    {"ThreeStarsInSouth", {bar(20, 20.5, 10, 15), bar(18, 18.5, 13, 16), bar(16, 16.03125, 14, 14)}, 0.0,
     "upper shadow 0.03125 beyond 0.016"},
    {"ThreeStarsInSouth", {bar(20, 20.5, 10, 15), bar(18, 18.5, 13, 16), bar(16, 16, 13.96875, 14)}, 0.0,
     "lower shadow 0.03125 beyond 0.016"},
    {"ThreeStarsInSouth", {bar(20, 20.5, 10.5, 15), bar(18, 18.5, 13, 16), bar(16, 16, 14, 14)}, 0.0,
     "first lower shadow 4.5 shorter than its body"},
    // Tower top and bottom.
    {"TowerTopBottom", {kLongBlack, bar(10, 11, 9, 10.5), kLongWhite}, 1.0, "tower bottom"},
    {"TowerTopBottom", {kLongWhite, bar(10, 11, 9, 10.5), kLongBlack}, -1.0, "tower top"},
    {"TowerTopBottom", {kLongBlack, flat(10), kLongWhite}, 1.0, "a middle candle without range counts as small"},
    {"TowerTopBottom", {kLongWhite, flat(10), kLongBlack}, -1.0, "a middle candle without range counts as small"},
    {"TowerTopBottom", {bar(20, 20, 10, 15), bar(10, 11, 9, 10.5), kLongWhite}, 1.0, "first body exactly half its range"},
    {"TowerTopBottom", {kLongBlack, bar(10, 11, 9, 10.75), kLongWhite}, 0.0, "middle body 0.375 of its range"},
    {"TowerTopBottom", {flat(15), bar(10, 11, 9, 10.5), kLongWhite}, 0.0, "first candle without range"},
    // Tristar: the bearish arrangement is tested first.
    {"Tristar", {bar(10, 11, 9, 10), bar(12, 13, 11, 12), bar(11, 12, 10, 11)}, -1.0, "middle doji above both neighbours"},
    {"Tristar", {bar(10, 11, 9, 10), bar(8, 9, 7, 8), bar(9, 10, 8, 9)}, 1.0, "middle doji below, third turning up"},
    {"Tristar", {bar(10, 11, 9, 10), bar(10, 11, 9, 10), bar(10, 11, 9, 10)}, 0.0, "three equal dojis"},
    {"Tristar", {bar(10, 11, 9, 10), bar(12, 14.5, 12, 12.25), bar(11, 12, 10, 11)}, -1.0, "middle body exactly 0.1 r2"},
    {"Tristar", {bar(10, 11, 9, 10), bar(12, 13, 11, 12), bar(12, 13, 11, 12)}, 0.0,
     "gapping up, third top equal to the middle's: the bullish test cannot pass"},
    {"Tristar", {flat(10), bar(12, 13, 11, 12), bar(11, 12, 10, 11)}, 0.0, "first doji without range"},
    // Two crows and the upside gaps.
    {"TwoCrows", {kWhite10to14, bar(17, 17.5, 15.5, 16), bar(16.5, 16.75, 11.5, 12)}, -1.0, "two crows"},
    {"TwoCrows", {kWhite10to14, bar(17, 17.5, 15.5, 16), bar(17, 17, 11.5, 12)}, 0.0, "third opens at the second open"},
    {"UpsideGapTwoCrows", {kWhite10to14, bar(17, 17.5, 15.5, 16), bar(17.5, 18, 14.5, 15)}, -1.0, "upside gap two crows"},
    {"UpsideGapTwoCrows", {kWhite10to14, bar(17, 17.5, 15.5, 16), bar(17.5, 18, 13.5, 14)}, 0.0, "closes at the first close"},
    {"UpsideGapThreeMethods", {kWhite10to14, bar(15, 18.5, 14.5, 18), bar(16, 16.5, 11.5, 12)}, 1.0,
     "two white candles gapping up, black closing into the gap"},
    {"UpsideGapThreeMethods", {kWhite10to14, bar(14, 18.5, 13.5, 18), bar(16, 16.5, 11.5, 12)}, 0.0,
     "second opens at the first close: no gap"},
    // Unique three river.
    {"UniqueThreeRiver", {kLongBlack, bar(18, 18.5, 8, 12), bar(10, 12, 9, 10.5)}, 1.0, "third high exactly at C2"},
    {"UniqueThreeRiver", {kLongBlack, bar(18, 18.5, 8, 12), bar(8, 12, 7, 9.5)}, 1.0, "third body exactly 0.3 of its range"},
    {"UniqueThreeRiver", {kLongBlack, bar(18, 18.5, 8, 12), bar(10, 12.5, 9, 10.5)}, 0.0, "third high above C2"},
    {"UniqueThreeRiver", {kLongBlack, bar(18, 18.5, 9.5, 12), bar(10, 12, 9, 10.5)}, 0.0, "second low equal to the first"},
    // Gap side-by-side white lines.
    {"GapSideBySideWhite", {kWhite10to12, bar(13, 15.5, 12.5, 15), bar(13.25, 15.5, 13, 15.25)}, 1.0, "white lines above"},
    {"GapSideBySideWhite", {bar(20, 20.5, 15.5, 16), bar(12, 14.5, 11.5, 14), bar(12.25, 14.5, 12, 14.25)}, -1.0,
     "white lines below"},
    {"GapSideBySideWhite", {bar(10, 13.5, 9.5, 13), bar(13, 15.5, 12.5, 15), bar(13.25, 15.5, 13, 15.25)}, 0.0,
     "bodies touch: no gap"},
    {"GapSideBySideWhite", {kWhite10to12, bar(13, 15.5, 12.5, 15), bar(13.25, 14.5, 13, 14.25)}, 1.0,
     "second body exactly twice the third"},
    {"GapSideBySideWhite", {kWhite10to12, bar(13, 15.5, 12.5, 15), bar(13.25, 17.5, 13, 17.25)}, 1.0,
     "third body exactly twice the second"},
    {"GapSideBySideWhite", {kWhite10to12, bar(13, 15.5, 12.5, 15), bar(13.25, 14, 13, 14)}, 0.0,
     "second body more than twice the third"},
    {"GapSideBySideWhite", {kWhite10to12, bar(13, 15.5, 13, 15), bar(13.25, 15.5, 13, 15.25)}, 1.0,
     "opens exactly 0.1 r2 from the second open"},
    {"GapSideBySideWhite", {kWhite10to12, bar(13, 15.5, 13, 15), bar(13.375, 15.5, 13, 15.375)}, 0.0,
     "opens 0.15 r2 from the second open"},
    // Identical three crows: each open within 0.001 of the larger of it and the close before.
    {"IdenticalThreeCrows", {bar(20, 20, 17, 17), bar(17, 17, 14, 14), bar(14, 14, 11, 11)}, -1.0,
     "each opening at the close before"},
    {"IdenticalThreeCrows", {bar(1010, 1010, 999, 999), bar(1000, 1000, 990, 990), bar(990, 990, 980, 980)}, -1.0,
     "opens exactly 0.001 x 1000 above the close before"},
    {"IdenticalThreeCrows", {bar(1010, 1010, 999, 999), bar(1000.5, 1000.5, 990, 990), bar(990, 990, 980, 980)}, 0.0,
     "opens 1.5 above the close before"},
};

TEST(ThreeCandlePatterns, HandDrawnCandles) {
    for (const Case& c : kCases) {
        const Series got = run(c.type, c.bars);
        EXPECT_EQ(got, (Series{N, N, c.want})) << c.type << ": " << c.why;
    }
}

// Every type of the family, with each of its signs met above.
TEST(ThreeCandlePatterns, EveryTypeAndSignIsDrawn) {
    std::vector<std::string> met;
    for (const Case& c : kCases)
        if (c.want != 0.0) met.push_back(std::string(c.type) + (c.want > 0 ? "+" : "-"));
    for (const char* want : {"AbandonedBaby+", "AbandonedBaby-", "AdvanceBlock-", "DownsideGapThreeMethods-",
                             "EveningDojiStar-", "GapSideBySideWhite+", "GapSideBySideWhite-", "IdenticalThreeCrows-",
                             "MorningDojiStar+", "MorningEveningStar+", "MorningEveningStar-", "StalledPattern-",
                             "StickSandwich+", "ThreeInside+", "ThreeInside-", "ThreeOutside+", "ThreeOutside-",
                             "ThreeSoldiersOrCrows+", "ThreeSoldiersOrCrows-", "ThreeStarsInSouth+", "TowerTopBottom+",
                             "TowerTopBottom-", "Tristar+", "Tristar-", "TwoCrows-", "UniqueThreeRiver+",
                             "UpsideGapThreeMethods+", "UpsideGapTwoCrows-"})
        EXPECT_NE(std::find(met.begin(), met.end(), want), met.end()) << want;
}

// The tower compares body with range by a quotient: a middle body of 0.030000000000000002 over a
// range of 0.1 divides to exactly 0.3 and passes, where the product 0.3 x 0.1 = 0.03 would refuse.
TEST(ThreeCandlePatterns, TowerTopBottomDividesBodyByRange) {
    const Candle middle = bar(0, 0.1, 0, 0.030000000000000002);
    EXPECT_EQ(run("TowerTopBottom", {bar(1, 1, 0, 0), middle, bar(0, 1, 0, 1)}), (Series{N, N, 1.0}));
    EXPECT_EQ(run("TowerTopBottom", {bar(0, 1, 0, 1), middle, bar(1, 1, 0, 0)}), (Series{N, N, -1.0}));
    EXPECT_EQ(run("TowerTopBottom", {bar(1, 1, 0, 0), bar(0, 0.1, 0, 0.0301), bar(0, 1, 0, 1)}), (Series{N, N, 0.0}));
}

// A candle whose tests fail still becomes the newest kept one, so the pattern completes on the
// next bar; an invalid candle in between is not kept and does not count.
TEST(ThreeCandlePatterns, EveryValidCandleIsKept) {
    const Candle before = bar(20, 20, 19, 19), s1 = kWhite10to12, s2 = bar(11, 14.5, 10.5, 14),
                 s3 = bar(13, 16.5, 12.5, 16), invalid = bar(13, 12, 14, 13);
    EXPECT_EQ(run("ThreeSoldiersOrCrows", {before, s1, s2, s3}), (Series{N, N, 0.0, 1.0}));
    EXPECT_EQ(run("ThreeSoldiersOrCrows", {s1, invalid, s2, invalid, s3}), (Series{N, N, N, N, 1.0}));
    EXPECT_EQ(run("ThreeSoldiersOrCrows", {s1, s2, s3, bar(15, 18.5, 14.5, 18)}), (Series{N, N, 1.0, 1.0}));
}

// Parameters are ignored: the constants stay 0.001 and 0.3.
TEST(ThreeCandlePatterns, FactorsAreFixed) {
    EXPECT_EQ(run("AbandonedBaby", {bar(990, 996, 989, 995), bar(1000, 1000.5, 998, 998.5), bar(997, 997.5, 990, 991)},
                  {0.5}),
              (Series{N, N, 0.0}));
    EXPECT_EQ(run("MorningDojiStar", {kLongBlack, bar(8, 9, 7, 8), bar(8.5, 14.5, 8.25, 13.5)}, {0.0}),
              (Series{N, N, 1.0}));
    EXPECT_EQ(run("MorningDojiStar", {kLongBlack, bar(8, 9, 7, 8), bar(8.5, 14.5, 8.25, 12.5)}, {0.0}),
              (Series{N, N, 0.0}));
}

}  // namespace
}  // namespace prynox
