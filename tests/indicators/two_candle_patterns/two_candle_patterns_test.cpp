// The two-candle patterns, the tasuki gap and the hikkake patterns on candles drawn by hand from
// each rule: a textbook set per sign, the bounds that include equality, the strict ones, ties that
// a product against a range decides, zero bodies and ranges; and how the kept candles move.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "indicators/cores/candle_check.hpp"
#include "support/pattern_rows.hpp"

namespace prynox {
namespace {

using namespace test::pattern_rows;

struct Case {
    const char* type;
    Candles bars;  // oldest first; the last one is judged
    Opt want;
    const char* why;
};

// Long candles of each colour, used as the previous candle by several rows.
const Candle kBlack = bar(12, 12.5, 9.5, 10);  // body -2 of a range 3, middle 11
const Candle kWhite = bar(10, 12.5, 9.5, 12);  // body 2 of a range 3, middle 11
const Candle kLongBlack = bar(20, 20.5, 9.5, 10);  // body -10 of a range 11, middle 15

const std::vector<Case> kCases = {
    // Engulfing.
    {"Engulfing", {bar(10, 10.5, 8.5, 9), bar(8.5, 11.5, 8, 11)}, 1.0, "white body over a black one"},
    {"Engulfing", {bar(9, 10.5, 8.5, 10), bar(10.5, 11, 8, 8.5)}, -1.0, "black body over a white one"},
    {"Engulfing", {bar(10, 11, 8, 9), bar(9, 11, 8, 10.5)}, 1.0, "opens exactly at the previous close"},
    {"Engulfing", {bar(9, 11, 8, 10), bar(10, 11, 7, 7)}, -1.0, "opens exactly at the previous close"},
    {"Engulfing", {bar(10, 11, 8, 9), bar(8.5, 11, 8, 10)}, 1.0, "closes exactly at the previous open"},
    {"Engulfing", {bar(9, 11, 8, 10), bar(10.5, 11, 8, 9)}, -1.0, "closes exactly at the previous open"},
    {"Engulfing", {bar(10, 11, 9, 10), bar(9, 12, 8, 11)}, 0.0, "a previous doji engulfs nothing"},
    {"Engulfing", {bar(10, 11, 8, 9), bar(9, 11, 8, 10)}, 0.0, "c = po and o = pc: not strictly larger"},
    {"Engulfing", {bar(9, 10.5, 8.5, 10), bar(8.5, 11.5, 8, 11)}, 0.0, "the same colour twice"},
    // Harami.
    {"Harami", {bar(12, 12.5, 7.5, 8), bar(9, 10.5, 8.5, 10)}, 1.0, "white body inside a black one"},
    {"Harami", {bar(8, 12.5, 7.5, 12), bar(11, 11.5, 9, 9.5)}, -1.0, "black body inside a white one"},
    {"Harami", {bar(12, 13, 7, 8), bar(8, 11, 8, 11)}, 1.0, "opens exactly at the previous close"},
    {"Harami", {bar(8, 13, 7, 12), bar(12, 12, 8, 8.5)}, -1.0, "opens exactly at the previous close"},
    {"Harami", {bar(10, 11, 8, 9), bar(9, 11, 8, 10)}, 0.0, "c = po and o = pc: not strictly smaller"},
    {"Harami", {bar(12, 13, 7, 8), bar(10, 11, 9, 10)}, 0.0, "a current candle without body"},
    // Harami cross: a doji inside a body that is no doji.
    {"HaramiCross", {bar(12, 12.5, 7.5, 8), bar(10, 11, 9, 10)}, 1.0, "doji inside a black body"},
    {"HaramiCross", {bar(8, 12.5, 7.5, 12), bar(10, 11, 9, 10)}, -1.0, "doji inside a white body"},
    {"HaramiCross", {bar(12, 12.5, 7.5, 8), bar(10, 20, 10, 11)}, 1.0, "doji body exactly 0.1r"},
    {"HaramiCross", {bar(12, 12.5, 7.5, 8), bar(12, 13, 11, 12)}, 1.0, "open and close on the previous open"},
    {"HaramiCross", {bar(12, 12.5, 7.5, 8), bar(8, 9, 7, 8)}, 1.0, "open and close on the previous close"},
    {"HaramiCross", {bar(12, 12.5, 7.5, 8), bar(12.25, 13, 11, 12.25)}, 0.0, "doji above the previous body"},
    {"HaramiCross", {bar(1, 10, -1, -0.5), bar(0, 9.2, 0, 0.92)}, 0.0, "0.92 > 0.1 * 9.2: no doji"},
    {"HaramiCross", {bar(0.92, 9.2, 0, 0), bar(0.5, 1, 0, 0.5)}, 1.0, "0.92 > 0.1 * 9.2: the mother is no doji"},
    {"HaramiCross", {bar(10, 20, 10, 11), bar(10.5, 11, 10, 10.5)}, 0.0, "the mother's body exactly 0.1pr: a doji"},
    {"HaramiCross", {bar(12, 12.5, 7.5, 8), flat(10)}, 0.0, "a flat current candle is no doji"},
    // Tweezer: lows first, then highs, each relative to the larger magnitude.
    {"Tweezer", {bar(101, 105, 100, 104), bar(103, 103, 100.09, 101)}, 1.0, "lows 100 and 100.09"},
    {"Tweezer", {bar(101, 105, 100, 104), bar(103, 103, 100.2, 101)}, 0.0, "lows 100 and 100.2, highs apart"},
    {"Tweezer", {bar(101, 105, 100, 104), bar(103, 105, 100.2, 104)}, -1.0, "lows apart, highs equal"},
    {"Tweezer", {bar(101, 105, 100, 104), bar(104, 105, 100, 101)}, 1.0, "lows and highs equal: bottom first"},
    {"Tweezer", {bar(0, 1, 0, 1), bar(1, 3, 0, 2)}, 1.0, "both lows 0: 0 <= 0"},
    {"Tweezer", {bar(1001, 1010, 1000, 1005), bar(1000, 1020, 999, 1001)}, 1.0, "|l - pl| exactly 0.001 * 1000"},
    {"Tweezer", {bar(1001, 1010, 1000, 1005), bar(1000, 1020, 998.75, 1001)}, 0.0, "lows 1.25 apart"},
    {"Tweezer", {bar(995, 999, 990, 998), bar(997, 1000, 996, 999)}, -1.0, "|h - ph| exactly 0.001 * 1000"},
    {"Tweezer", {bar(995, 998.75, 990, 998), bar(997, 1000, 996, 999)}, 0.0, "highs 1.25 apart"},
    // Counterattack: long opposite bodies closing together.
    {"Counterattack", {bar(10, 10.5, 8, 8.5), bar(7, 8.5, 6.5, 8.5)}, 1.0, "white closes at the black close"},
    {"Counterattack", {bar(8.5, 10.5, 8, 10), bar(11.5, 12, 10, 10)}, -1.0, "black closes at the white close"},
    {"Counterattack", {bar(40, 40, 20, 20), bar(1, 21, 1, 21)}, 1.0, "closes exactly (r + pr) * 0.025 apart"},
    {"Counterattack", {bar(40, 40, 20, 20), bar(1.25, 21.25, 1.25, 21.25)}, 0.0, "closes 1.25 apart"},
    {"Counterattack", {bar(10, 11, 9, 9), bar(8, 10, 8, 9)}, 1.0, "both bodies exactly half their ranges"},
    {"Counterattack", {bar(10, 11, 9, 9), bar(8, 10.25, 8, 9)}, 0.0, "current body below half its range"},
    {"Counterattack", {flat(10), flat(10)}, 0.0, "two flat candles: the gates pass, no colour"},
    {"Counterattack", {bar(8.5, 10.5, 8, 10), bar(9, 10.5, 9, 10)}, 0.0, "the same colour twice"},
    // Kicking: near-marubozu candles gapping apart.
    {"Kicking", {bar(10, 10, 8, 8), bar(11, 13, 11, 13)}, 1.0, "black then white gapping up"},
    {"Kicking", {bar(8, 10, 8, 10), bar(7, 7, 5, 5)}, -1.0, "white then black gapping down"},
    {"Kicking", {bar(10, 10.5, 0.5, 0.5), bar(11, 21, 11, 21)}, 1.0, "previous body exactly 0.95pr"},
    {"Kicking", {bar(-1, -1, -2, -2), bar(0, 0.53, 0, 0.5035)}, 1.0, "0.5035 >= 0.95 * 0.53 (a quotient refuses)"},
    {"Kicking", {bar(10, 10, 8, 8), bar(10, 12, 10, 12)}, 0.0, "low on the previous high: no gap"},
    {"Kicking", {bar(10, 10.25, 8, 8), bar(11, 13, 11, 13)}, 0.0, "previous body 2 of a range 2.25"},
    {"Kicking", {flat(10), bar(11, 13, 11, 13)}, 0.0, "a flat previous candle"},
    // Kicking by length: the colour of the longer body.
    {"KickingByLength", {bar(10, 10, 8, 8), bar(11, 14, 11, 14)}, 1.0, "bullish kick, longer white body"},
    {"KickingByLength", {bar(10, 10, 8, 8), bar(11, 12, 11, 12)}, -1.0, "bullish kick, shorter white body"},
    {"KickingByLength", {bar(10, 10, 8, 8), bar(11, 13, 11, 13)}, -1.0, "equal bodies: the previous colour"},
    {"KickingByLength", {bar(8, 10, 8, 10), bar(7, 7, 4, 4)}, -1.0, "bearish kick, longer black body"},
    {"KickingByLength", {bar(8, 10, 8, 10), bar(7, 7, 5, 5)}, 1.0, "equal bodies: the previous colour"},
    {"KickingByLength", {bar(8, 10, 8, 10), bar(7, 7, 6, 6)}, 1.0, "bearish kick, shorter black body"},
    {"KickingByLength", {bar(10, 10, 8, 8), bar(10, 14, 10, 14)}, 0.0, "white after black without a gap"},
    {"KickingByLength", {bar(8, 10, 8, 10), bar(8, 8, 5, 5)}, 0.0, "black after white without a gap"},
    // Separating lines: the same open, then the other way.
    {"SeparatingLines", {bar(10, 10.5, 7.5, 8), bar(10, 13, 10, 12.5)}, 1.0, "white opening at the black open"},
    {"SeparatingLines", {bar(10, 12.5, 9.5, 12), bar(10, 10, 7, 7.5)}, -1.0, "black opening at the white open"},
    {"SeparatingLines", {bar(10, 10, 0, 0), bar(10.5, 20, 10.5, 20)}, 1.0, "opens exactly 0.05pr above"},
    {"SeparatingLines", {bar(10, 10, 0, 0), bar(10, 19.5, 9.5, 19.5)}, 1.0, "lower shadow exactly 0.05r"},
    {"SeparatingLines", {bar(10, 10, 0, 0), bar(10, 19.25, 9.25, 19.25)}, 0.0, "lower shadow 0.075r"},
    {"SeparatingLines", {bar(10, 10, 0, 0), bar(10, 20, 10, 15)}, 1.0, "body exactly 0.5r"},
    {"SeparatingLines", {bar(0, 0, -0.58, -0.5), bar(0.028, 1, 0.028, 1)}, 1.0, "opens 0.028 from the open"},
    {"SeparatingLines", {bar(0, 0, -0.58, -0.5), bar(0.029, 1, 0.029, 1)}, 0.0, "0.029 > 0.05 * 0.58"},
    {"SeparatingLines", {flat(10), bar(10, 13, 10, 12.5)}, 0.0, "a flat previous candle"},
    // Piercing line and dark cloud cover.
    {"PiercingDarkCloud", {kBlack, bar(9, 11.5, 8.5, 11.5)}, 1.0, "opens below the low, closes above the middle"},
    {"PiercingDarkCloud", {kWhite, bar(13, 13.5, 10.5, 10.5)}, -1.0, "opens above the high, closes below the middle"},
    {"PiercingDarkCloud", {kBlack, bar(9, 11.5, 8.5, 11)}, 0.0, "closes exactly at the middle"},
    {"PiercingDarkCloud", {kBlack, bar(9, 12, 8.5, 12)}, 0.0, "closes exactly at the previous open"},
    {"PiercingDarkCloud", {kBlack, bar(9.5, 11.5, 9, 11.5)}, 0.0, "opens exactly at the previous low"},
    {"PiercingDarkCloud", {kWhite, bar(13, 13.5, 11, 11)}, 0.0, "closes exactly at the middle"},
    {"PiercingDarkCloud", {kWhite, bar(13, 13.5, 10, 10)}, 0.0, "closes exactly at the previous open"},
    // Doji star beyond a long body.
    {"DojiStar", {kBlack, bar(9, 9.5, 8.5, 9)}, 1.0, "doji below a black close"},
    {"DojiStar", {kWhite, bar(13, 13.5, 12.5, 13)}, -1.0, "doji above a white close"},
    {"DojiStar", {bar(12, 12, 8, 10), bar(9, 9.5, 8.5, 9)}, 1.0, "previous body exactly 0.5pr"},
    {"DojiStar", {kBlack, bar(8, 18, 8, 9)}, 1.0, "body exactly 0.1r"},
    {"DojiStar", {kBlack, bar(10, 10.5, 9.5, 10)}, 0.0, "body top exactly at the previous close"},
    {"DojiStar", {kWhite, bar(12, 12.5, 11.5, 12)}, 0.0, "body bottom exactly at the previous close"},
    {"DojiStar", {bar(20, 20, 10, 10), bar(0, 9.2, 0, 0.92)}, 0.0, "0.92 > 0.1 * 9.2: no doji"},
    {"DojiStar", {kBlack, flat(9)}, 0.0, "a flat current candle"},
    // Thrusting, in-neck, on-neck: a white candle into a long black one, bearish only.
    {"Thrusting", {kLongBlack, bar(9, 14.5, 9, 14)}, -1.0, "closes between a tenth and the middle"},
    {"Thrusting", {kLongBlack, bar(9, 15, 9, 15)}, 0.0, "closes exactly at the middle"},
    {"Thrusting", {kLongBlack, bar(9, 11, 9, 11)}, 0.0, "closes exactly a tenth into the body"},
    {"Thrusting", {kLongBlack, bar(9.5, 14.5, 9.5, 14)}, 0.0, "opens exactly at the previous low"},
    {"Thrusting", {bar(20, 20, 0, 10), bar(-1, 14, -1, 14)}, -1.0, "previous body exactly 0.5pr"},
    {"Thrusting", {bar(20, 20.5, -0.5, 10), bar(-1, 14, -1, 14)}, 0.0, "previous body short of 0.5pr"},
    {"InNeck", {kLongBlack, bar(9, 10.5, 9, 10.5)}, -1.0, "closes just above the black close"},
    {"InNeck", {kLongBlack, bar(9, 11, 9, 11)}, -1.0, "closes exactly a tenth into the body"},
    {"InNeck", {kLongBlack, bar(9, 10, 9, 10)}, -1.0, "closes exactly at the black close"},
    {"InNeck", {kLongBlack, bar(9, 11.25, 9, 11.25)}, 0.0, "closes beyond a tenth"},
    {"InNeck", {kLongBlack, bar(9, 9.75, 9, 9.75)}, 0.0, "closes below the black close"},
    {"OnNeck", {bar(20, 20, 10, 10), bar(9, 10, 9, 10)}, -1.0, "closes at the black low"},
    {"OnNeck", {bar(20, 20, 10, 10), bar(9, 10.5, 9, 10.5)}, -1.0, "closes exactly 0.05pr above the low"},
    {"OnNeck", {bar(20, 20, 10, 10), bar(9, 10.75, 9, 10.75)}, 0.0, "closes 0.075pr above the low"},
    {"OnNeck", {bar(20, 20, 10, 15), bar(9, 10, 9, 10)}, -1.0, "previous body exactly 0.5pr"},
    {"OnNeck", {bar(20, 20, 10, 15.25), bar(9, 10, 9, 10)}, 0.0, "previous body short of 0.5pr"},
    {"OnNeck", {bar(20, 20, 10, 10), bar(10, 10, 9, 9.5)}, 0.0, "a black current candle"},
    // Matching low and homing pigeon: two black candles, bullish only.
    {"MatchingLow", {kBlack, bar(11, 11.5, 9.5, 10)}, 1.0, "the same close"},
    {"MatchingLow", {kBlack, bar(11, 11.5, 9.5, 10.125)}, 1.0, "closes exactly 0.05 * mid(2, 3) apart"},
    {"MatchingLow", {kBlack, bar(11, 11.5, 9.5, 10.25)}, 0.0, "closes 0.25 apart"},
    {"MatchingLow", {kBlack, bar(9, 10.5, 8.5, 10)}, 0.0, "a white current candle"},
    {"HomingPigeon", {bar(12, 12.5, 7.5, 8), bar(11, 11.5, 8.5, 9)}, 1.0, "black body inside a black body"},
    {"HomingPigeon", {bar(12, 12.5, 7.5, 8), bar(12, 12, 8, 8.5)}, 1.0, "opens exactly at the previous open"},
    {"HomingPigeon", {bar(12, 12.5, 7.5, 8), bar(11, 11, 8, 8)}, 1.0, "closes exactly at the previous close"},
    {"HomingPigeon", {bar(12, 12.5, 7.5, 8), bar(12, 12, 8, 8)}, 0.0, "bodies equal: not strictly shorter"},
    {"HomingPigeon", {bar(12, 12.5, 7.5, 8), bar(9, 11.5, 8.5, 11)}, 0.0, "a white current candle"},
    // Tasuki gap: two candles of one colour apart, the third into the gap.
    {"TasukiGap", {bar(10, 12.5, 9.5, 12), bar(13, 15.5, 12.5, 15), bar(14, 14.5, 12.25, 12.5)}, 1.0, "upside gap"},
    {"TasukiGap", {bar(15, 15.5, 12.5, 13), bar(12, 12.5, 9.5, 10), bar(11, 12.75, 10.5, 12.5)}, -1.0, "downside gap"},
    {"TasukiGap", {bar(10, 12.5, 9.5, 12), bar(13, 15.5, 12.5, 15), bar(14, 14.5, 12, 12)}, 0.0, "closes exactly at the first close"},
    {"TasukiGap", {bar(10, 12.5, 9.5, 12), bar(13, 15.5, 12.5, 15), bar(15, 15, 12.25, 12.5)}, 0.0, "opens exactly at the second close"},
    {"TasukiGap", {bar(15, 15.5, 12.5, 13), bar(12, 12.5, 9.5, 10), bar(11, 13, 10.5, 13)}, 0.0, "closes exactly at the first close"},
    {"TasukiGap", {bar(13, 15.5, 12.5, 13), bar(12, 12.5, 9.5, 10), bar(11, 12.75, 10.5, 12.5)}, 0.0, "a first candle without body"},
    // Hikkake: an inside bar and the break out of it.
    {"Hikkake", {bar(10, 12, 8, 11), bar(10, 11, 9, 10.5), bar(9.5, 10, 8.5, 9)}, 1.0, "breaks downward"},
    {"Hikkake", {bar(10, 12, 8, 11), bar(10, 11, 9, 10.5), bar(10.5, 12, 9.5, 11.5)}, -1.0, "breaks upward"},
    {"Hikkake", {bar(10, 12, 8, 11), bar(10, 12, 9, 10.5), bar(9.5, 10, 8.5, 9)}, 0.0, "shares the first high: no inside bar"},
    {"Hikkake", {bar(10, 12, 8, 11), bar(10, 11, 9, 10.5), bar(10, 12, 8.5, 10)}, 0.0, "breaks both ways"},
    {"Hikkake", {bar(10, 12, 8, 11), bar(10, 11, 9, 10.5), bar(9.5, 11, 8.5, 9)}, 0.0, "high exactly at the inside high"},
    // Modified hikkake: two nested inside bars, the first closing at one end of its range.
    {"HikkakeModified", {bar(10, 14, 6, 12), bar(9, 13, 7, 7.5), bar(9, 12, 8, 10), bar(9, 11, 7.5, 8)}, 1.0,
     "second closes low, then breaks down"},
    {"HikkakeModified", {bar(10, 14, 6, 12), bar(9, 13, 7, 12.5), bar(9, 12, 8, 10), bar(10, 13, 9, 12.5)}, -1.0,
     "second closes high, then breaks up"},
    {"HikkakeModified", {bar(10, 14, 6, 12), bar(9, 12, 7, 8), bar(9, 11, 8, 10), bar(9, 10, 7.5, 8)}, 1.0,
     "second close exactly a fifth above its low"},
    {"HikkakeModified", {bar(10, 14, 6, 12), bar(9, 12, 7, 11), bar(9, 11, 8, 10), bar(10, 12, 9, 11)}, -1.0,
     "second close exactly a fifth below its high"},
    {"HikkakeModified", {bar(10, 14, 6, 12), bar(9, 13, 7, 10), bar(9, 12, 8, 10), bar(9, 11, 7.5, 8)}, 0.0,
     "second closes mid-range"},
    {"HikkakeModified", {bar(10, 14, 6, 12), bar(9, 13, 7, 7.5), bar(9, 13, 8, 10), bar(9, 11, 7.5, 8)}, 0.0,
     "third shares the second high"},
};

TEST(TwoCandlePatterns, HandDrawnCandles) {
    for (const Case& c : kCases) {
        for (const Candle& k : c.bars) ASSERT_TRUE(candle_passes(k)) << c.type << ": " << c.why;
        const Series got = run(c.type, c.bars);
        EXPECT_EQ(got.back(), c.want) << c.type << ": " << c.why;
    }
}

// Kept as written: a flat previous candle has no range, so it counts as no doji, and a doji at its
// price lies within its body; the sign reads only whether the previous close is below its open.
TEST(TwoCandlePatterns, HaramiCrossWithAFlatMotherIsBearish) {
    EXPECT_EQ(run("HaramiCross", {flat(10), bar(10, 11, 9, 10)}), (Series{N, -1.0}));
    EXPECT_EQ(run("HaramiCross", {flat(10), bar(10, 10.5, 9.5, 10.05)}), (Series{N, 0.0})) << "body outside [10, 10]";
}

// The first K - 1 valid candles only fill the row; a refused candle neither counts nor shifts it.
TEST(TwoCandlePatterns, RefusedCandlesAreSkipped) {
    const Candle bad = bar(10, 9, 11, 10);  // high below low
    const Candle black = bar(10, 10.5, 8.5, 9), engulfing = bar(8.5, 11.5, 8, 11);
    EXPECT_EQ(run("Engulfing", {black, bad, engulfing}), (Series{N, N, 1.0}));
    EXPECT_EQ(run("Engulfing", {bad, black, bad, bad, engulfing}), (Series{N, N, N, N, 1.0}));
    const Candles hikkake = {bar(10, 12, 8, 11), bar(10, 11, 9, 10.5), bar(9.5, 10, 8.5, 9)};
    EXPECT_EQ(run("Hikkake", {hikkake[0], bad, hikkake[1], bad, hikkake[2]}), (Series{N, N, N, N, 1.0}));
    const Candles modified = {bar(10, 14, 6, 12), bar(9, 13, 7, 7.5), bar(9, 12, 8, 10), bar(9, 11, 7.5, 8)};
    EXPECT_EQ(run("HikkakeModified", {modified[0], modified[1], bad, modified[2], modified[3]}),
              (Series{N, N, N, N, 1.0}));
}

// Every valid candle is kept whatever its signal, so patterns overlap from bar to bar.
TEST(TwoCandlePatterns, EveryValidCandleIsKept) {
    EXPECT_EQ(run("Engulfing", {bar(9, 10.5, 8.5, 10), bar(10.5, 11, 8, 8.5), bar(8, 12, 7.5, 11)}),
              (Series{N, -1.0, 1.0}));
    // No inside bar on the third candle, but it holds one that the fourth breaks out of.
    EXPECT_EQ(run("Hikkake", {bar(10, 11, 9, 10), bar(10, 14, 6, 12), bar(9, 13, 7, 10), bar(8.5, 12, 6.5, 9)}),
              (Series{N, N, 0.0, 1.0}));
}

// Parameters are ignored: the tolerances stay as built.
TEST(TwoCandlePatterns, TolerancesAreFixed) {
    const Candles lows_apart = {bar(101, 105, 100, 104), bar(103, 103, 100.2, 101)};
    EXPECT_EQ(run("Tweezer", lows_apart, {0.5}).back(), 0.0);
    EXPECT_EQ(run("Counterattack", {bar(40, 40, 20, 20), bar(1.25, 21.25, 1.25, 21.25)}, {1.0}).back(), 0.0);
}

}  // namespace
}  // namespace prynox
