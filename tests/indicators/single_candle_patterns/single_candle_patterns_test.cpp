// The single-candle patterns on candles drawn by hand from each rule: a textbook candle per sign,
// the bounds that include equality, ties that a product against the range decides, zero bodies
// and ranges; and the short and long lines against a plain mean of the five ranges before.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "indicators/cores/candle_check.hpp"
#include "support/pattern_rows.hpp"

namespace prynox {
namespace {

using namespace test::pattern_rows;

Candles times(int n, const Candle& c) { return Candles(static_cast<std::size_t>(n), c); }
Candles then(Candles a, const Candles& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Case {
    const char* type;
    Candles bars;  // the last one is judged
    Opt want;
    const char* why;
};

// Ranges of 10 from a low of 0 unless said: every fraction of the range below is exact there.
const Candles kFiveRangesOfTwo = times(5, bar(10, 11, 9, 10.5));

const std::vector<Case> kCases = {
    // Hammer and hanging man: one shape, two readings.
    {"Hammer", {bar(9.5, 10, 6, 10)}, 1.0, "small white body on top, long lower shadow"},
    {"HangingMan", {bar(9.5, 10, 6, 10)}, -1.0, "the hammer's shape"},
    {"Hammer", {bar(10, 12, 8, 11)}, 1.0, "lower shadow exactly 2|b|, upper exactly |b|"},
    {"HangingMan", {bar(10, 12, 8, 11)}, -1.0, "both bounds include equality"},
    {"Hammer", {bar(10, 12.25, 8, 11)}, 0.0, "upper shadow beyond the body"},
    {"Hammer", {bar(10, 11, 8.25, 11)}, 0.0, "lower shadow short of twice the body"},
    {"Hammer", {bar(10, 10, 6, 10)}, 0.0, "zero body on the high, long lower shadow"},
    {"HangingMan", {bar(10, 10, 6, 10)}, 0.0, "zero body on the high, long lower shadow"},
    // Inverted hammer and shooting star.
    {"InvertedHammer", {bar(11, 14, 10, 12)}, 1.0, "upper exactly 2|b|, lower exactly |b|"},
    {"ShootingStar", {bar(12, 14, 10, 11)}, -1.0, "black body at the bottom, long upper shadow"},
    {"InvertedHammer", {bar(12, 14, 10, 11)}, 1.0, "the colour is not read"},
    {"ShootingStar", {bar(11, 13.75, 10, 12)}, 0.0, "upper shadow short of twice the body"},
    {"ShootingStar", {bar(10, 14, 10, 10)}, 0.0, "zero body on the low, long upper shadow"},
    // Takuri and the doji shapes.
    {"Takuri", {bar(9.5, 10, 0, 10)}, 1.0, "doji body on a lower shadow of 95 %"},
    {"Takuri", {bar(9, 10, 0, 9.5)}, 1.0, "upper shadow exactly 0.05r"},
    {"Takuri", {bar(9, 10, 0, 9.25)}, 0.0, "upper shadow 0.075r"},
    {"Takuri", {bar(9, 10, 0, 10)}, 1.0, "body exactly 0.1r"},
    {"Takuri", {bar(8.5, 10, 0, 9.5)}, 1.0, "lower shadow 0.85r, the least the other bounds leave"},
    {"Takuri", {bar(8.75, 10, 0, 10)}, 0.0, "body 0.125r"},
    {"DragonflyDoji", {bar(9, 10, 0, 10)}, 1.0, "body exactly 0.1r, no upper shadow"},
    {"DragonflyDoji", {bar(5, 10, 0, 6)}, 0.0, "upper shadow 0.4r"},
    {"DragonflyDoji", {bar(8.5, 10, 0, 9)}, 1.0, "upper shadow exactly 0.1r"},
    {"DragonflyDoji", {bar(8.5, 10, 0, 8.75)}, 0.0, "upper shadow 0.125r"},
    {"GravestoneDoji", {bar(0.5, 10, 0, 0)}, -1.0, "doji body at the low, long upper shadow"},
    {"GravestoneDoji", {bar(1, 10, 0, 0)}, -1.0, "lower shadow 0, body exactly 0.1r"},
    {"GravestoneDoji", {bar(1.5, 10, 0, 1)}, -1.0, "lower shadow exactly 0.1r"},
    {"GravestoneDoji", {bar(1.75, 10, 0, 1.25)}, 0.0, "lower shadow 0.125r"},
    {"LongLeggedDoji", {bar(5, 10, 0, 5.5)}, 1.0, "doji in the middle"},
    {"LongLeggedDoji", {bar(3, 10, 0, 4)}, 1.0, "lower shadow exactly 0.3r"},
    {"LongLeggedDoji", {bar(2.75, 10, 0, 3.5)}, 0.0, "lower shadow 0.275r"},
    {"RickshawMan", {bar(3.5, 10, 0, 4.5)}, 1.0, "p exactly 0.4"},
    {"RickshawMan", {bar(5.5, 10, 0, 6.5)}, 1.0, "p exactly 0.6"},
    {"RickshawMan", {bar(3.25, 10, 0, 4.25)}, 0.0, "p 0.375, shadows long enough"},
    {"RickshawMan", {bar(5, 10, 0, 5)}, 1.0, "zero body in the middle"},
    {"HighWave", {bar(4, 10, 0, 6)}, 1.0, "both shadows exactly 0.4r, body 0.2r not tested"},
    {"HighWave", {bar(3.75, 10, 0, 6)}, 0.0, "lower shadow 0.375r"},
    // Marubozu shapes.
    {"OpeningMarubozu", {bar(0, 10, 0, 7)}, 1.0, "body exactly 0.7r from the low"},
    {"OpeningMarubozu", {bar(10, 10, 0, 3)}, -1.0, "body exactly 0.7r from the high"},
    {"OpeningMarubozu", {bar(0.5, 10, 0, 9)}, 1.0, "opens exactly 0.05r above the low"},
    {"OpeningMarubozu", {bar(0.75, 10, 0, 9)}, 0.0, "opens 0.075r above the low"},
    {"OpeningMarubozu", {bar(1, 10, 0, 8)}, 0.0, "body exactly 0.7r, opening 0.1r above the low"},
    {"OpeningMarubozu", {bar(0, 3.24, 0, 2.268)}, 1.0, "2.268 >= 0.7 * 3.24 (2.268 / 3.24 < 0.7 would refuse)"},
    {"OpeningMarubozu", {bar(0, 7.8, 0, 5.46)}, 1.0, "5.46 = 0.7 * 7.8"},
    {"ClosingMarubozu", {bar(1, 10, 0, 10)}, 1.0, "closes on the high"},
    {"ClosingMarubozu", {bar(9, 10, 0, 0)}, -1.0, "closes on the low"},
    {"ClosingMarubozu", {bar(1, 10, 0, 9.5)}, 1.0, "closes exactly 0.05r below the high"},
    {"ClosingMarubozu", {bar(0, 10, 0, 9.25)}, 0.0, "closes 0.075r below the high"},
    {"ClosingMarubozu", {bar(10, 10, 0, 2.5)}, 0.0, "body 0.75r, closes 0.25r above the low"},
    {"Marubozu", {bar(0, 10, 0, 10)}, 1.0, "white, no shadows"},
    {"Marubozu", {bar(10, 10, 0, 0)}, -1.0, "black, no shadows"},
    {"Marubozu", {bar(0.5, 10, 0, 9.5)}, 1.0, "both shadows exactly 0.05r"},
    {"Marubozu", {bar(9.5, 10, 0, 0.5)}, -1.0, "black, both shadows exactly 0.05r"},
    {"Marubozu", {bar(9.5, 10, 0, 0.75)}, 0.0, "lower shadow 0.075r"},
    {"BeltHold", {bar(0, 10, 0, 5)}, 1.0, "body exactly 0.5r, opens on the low"},
    {"BeltHold", {bar(10, 10, 0, 5)}, -1.0, "body exactly 0.5r, opens on the high"},
    {"BeltHold", {bar(9.5, 10, 0, 1)}, -1.0, "opens exactly 0.05r below the high"},
    {"BeltHold", {bar(0, 10, 0, 4.75)}, 0.0, "body 0.475r"},
    // Doji and spinning top.
    {"Doji", {bar(5, 10, 0, 5.5)}, 1.0, "body 0.05r"},
    {"Doji", {bar(5, 10, 0, 6)}, 1.0, "body exactly 0.1r"},
    {"Doji", {bar(0, 9.2, 0, 0.92)}, 0.0, "0.92 > 0.1 * 9.2 (a quotient would pass)"},
    {"Doji", {bar(5, 10, 0, 5)}, 1.0, "zero body with a range"},
    {"SpinningTop", {bar(4.5, 10, 0, 5.5)}, 1.0, "small white body, shadows of 4.5"},
    {"SpinningTop", {bar(5.5, 10, 0, 4.5)}, -1.0, "small black body"},
    {"SpinningTop", {bar(4, 10, 0, 6)}, 1.0, "both shadows exactly 2|b|"},
    {"SpinningTop", {bar(3, 10, 0, 5)}, 0.0, "lower shadow 3, short of 2|b| = 4"},
    {"SpinningTop", {bar(3.5, 10, 0, 6.5)}, 0.0, "body exactly 0.3r passes, shadows cannot reach 2|b|"},
    {"SpinningTop", {bar(5, 10, 0, 5)}, 0.0, "zero body"},
    // Short and long lines after five ranges of 2.
    {"ShortLine", then(kFiveRangesOfTwo, {bar(10, 10, 9, 9.4)}), -1.0, "range 1, black body 0.6"},
    {"LongLine", then(kFiveRangesOfTwo, {bar(10, 10, 9, 9.4)}), 0.0, "range 1 is below the mean"},
    {"ShortLine", then(kFiveRangesOfTwo, {bar(10, 10.5, 10, 10)}), 0.0, "zero body, range 0.5"},
    {"ShortLine", then(kFiveRangesOfTwo, {flat(10)}), -1.0, "flat: 0 >= 0.5 * 0, and no rise"},
    {"ShortLine", then(kFiveRangesOfTwo, {bar(9.5, 10.5, 9.5, 10)}), 1.0, "body exactly 0.5r, white"},
    {"ShortLine", then(kFiveRangesOfTwo, {bar(9, 11, 9, 11)}), 0.0, "range equal to the mean"},
    {"LongLine", then(kFiveRangesOfTwo, {bar(9, 12, 9, 12)}), 1.0, "range 3, white body 3"},
    {"LongLine", then(kFiveRangesOfTwo, {bar(12, 12.5, 9, 10.25)}), -1.0, "range 3.5, black body exactly 0.5r"},
    {"LongLine", then(kFiveRangesOfTwo, {bar(12, 12.5, 9, 10.5)}), 0.0, "range 3.5, black body 1.5 < 0.5r"},
    {"LongLine", then(kFiveRangesOfTwo, {bar(10, 13, 9, 10)}), 0.0, "zero body"},
    {"LongLine", then(kFiveRangesOfTwo, {bar(9, 11, 9, 11)}), 0.0, "range equal to the mean"},
    {"LongLine", then(times(5, flat(3)), {bar(1, 1.5, 0.5, 1.5)}), 1.0, "mean 0, range 1, body 0.5"},
    {"LongLine", then(times(5, flat(3)), {bar(1.5, 1.5, 0.5, 1)}), -1.0, "mean 0, range 1, body -0.5"},
};

TEST(SingleCandlePatterns, HandDrawnCandles) {
    for (const Case& c : kCases) {
        const Series got = run(c.type, c.bars);
        EXPECT_EQ(got.back(), c.want) << c.type << ": " << c.why;
    }
}

// A flat candle is no pattern for any stateless or stored-threshold type, Doji included.
TEST(SingleCandlePatterns, AFlatCandleIsNoPattern) {
    for (const char* type : {"Hammer", "HangingMan", "InvertedHammer", "ShootingStar", "Takuri", "DragonflyDoji",
                             "GravestoneDoji", "LongLeggedDoji", "RickshawMan", "HighWave", "OpeningMarubozu",
                             "ClosingMarubozu", "Doji", "SpinningTop", "Marubozu", "BeltHold"})
        for (double x : {7.0, 0.0, -2.5}) EXPECT_EQ(run(type, {flat(x)}), Series{0.0}) << type << " at " << x;
}

// Parameters are ignored: a body of 0.2r is no doji even when 0.5 is given.
TEST(SingleCandlePatterns, ThresholdsAreFixed) {
    EXPECT_EQ(run("Doji", {bar(4, 10, 0, 6)}, {0.5}), Series{0.0});
    EXPECT_EQ(run("Marubozu", {bar(1, 10, 0, 9)}, {0.2}), Series{0.0});
}

// ------------------------------------------------------------------ the line patterns

// Candles with ranges from 0 to 3 on a grid of eighths (flat ones and equal ranges among them),
// and candles the check refuses.
Candles line_candles() {
    Candles out;
    std::uint64_t s = 21;
    for (int i = 0; i < 600; ++i) {
        const double low = std::round(test::unit(s) * 80.0) / 8.0;
        const double range = i % 23 == 0 ? 0.0 : std::round(std::fabs(test::unit(s)) * 24.0) / 8.0;
        const double a = low + std::round(std::fabs(test::unit(s)) * range * 8.0) / 8.0;
        const double b = low + std::round(std::fabs(test::unit(s)) * range * 8.0) / 8.0;
        out.push_back(bar(i % 2 ? a : b, low + range, low, i % 2 ? b : a));
    }
    for (std::size_t i : {3u, 4u, 60u, 61u, 62u, 300u}) out[i].high = out[i].low - 1.0;
    return out;
}

// The signal from the mean of the five ranges before each valid candle, summed oldest first from 0.
Series ref_line(const Candles& bars, bool is_short) {
    Series out;
    std::vector<double> ranges;
    for (const Candle& k : bars) {
        if (!candle_passes(k)) {
            out.push_back(N);
            continue;
        }
        const double r = k.high - k.low, b = k.close - k.open;
        ranges.push_back(r);
        if (ranges.size() <= 5) {
            out.push_back(N);
            continue;
        }
        double sum = 0.0;
        for (std::size_t i = ranges.size() - 6; i + 1 < ranges.size(); ++i) sum += ranges[i];
        const double mean = sum / 5.0;
        const bool shape = (is_short ? r < mean : r > mean) && std::fabs(b) >= r * 0.5;
        out.push_back(shape ? (b > 0 ? 1.0 : -1.0) : 0.0);
    }
    return out;
}

TEST(SingleCandlePatterns, LinesCompareWithTheMeanOfTheFiveRangesBefore) {
    const Candles bars = line_candles();
    const Series short_line = run("ShortLine", bars), long_line = run("LongLine", bars);
    test::expect_series(short_line, ref_line(bars, true), 0.0, "ShortLine");
    test::expect_series(long_line, ref_line(bars, false), 0.0, "LongLine");
    // Both signs of both types occur, so the comparison above is not vacuous.
    for (const Series* s : {&short_line, &long_line})
        for (double sign : {1.0, -1.0}) EXPECT_NE(std::find(s->begin(), s->end(), Opt(sign)), s->end());
    // The first five valid candles only fill the window; the warm-up reported is the window.
    EXPECT_EQ(test::first_value_bar(run("ShortLine", then(kFiveRangesOfTwo, {flat(1)}))), 6u);
    for (const char* type : {"ShortLine", "LongLine"}) EXPECT_EQ((*build_indicator(type, {}))->warmup_period(), 5u);
}

// Kept as written: a short line on a zero range and zero body is bearish (its body fills half of
// nothing, and nothing rose); a long line can never be bearish on a zero body.
TEST(SingleCandlePatterns, ShortLineOnAFlatCandleIsBearish) {
    EXPECT_EQ(run("ShortLine", then(kFiveRangesOfTwo, {flat(10)})).back(), -1.0);
    EXPECT_EQ(run("ShortLine", then(kFiveRangesOfTwo, {bar(10, 10.5, 10, 10)})).back(), 0.0);
    EXPECT_EQ(run("LongLine", then(times(5, flat(3)), {flat(3)})).back(), 0.0) << "0 is not above a mean of 0";
}

}  // namespace
}  // namespace prynox
