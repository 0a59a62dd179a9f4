// The candle trailing stops and the parabolic stop-and-reverse against plain recomputations over
// the candles they accept, the worked examples, flat markets, and candles near the double range
// whose offsets, sums or distances leave the doubles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "support/candle_runs.hpp"

namespace prynox {
namespace {

using test::bar;
using test::Candles;
using test::flat;
using test::run_candles;
using test::Series;
using Vec = std::vector<double>;
using Opt = std::optional<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr Opt N = std::nullopt;

// Variation, then flat markets: 0.1 on all four prices, a wide candle repeated, a flat zero.
Candles flats() {
    Candles out = test::varied_candles(40, 3, false);
    out.insert(out.end(), 30, flat(0.1));
    Candles more = test::varied_candles(30, 4, false);
    out.insert(out.end(), more.begin(), more.end());
    out.insert(out.end(), 30, bar(1.0 / 3.0, 0.7, 0.1, 0.3));
    out.insert(out.end(), 25, flat(0.0));
    return out;
}

std::vector<Candles> datasets() {
    return {test::varied_candles(400, 7, true), test::varied_candles(300, 11, true), test::grid_candles(300, 5), flats()};
}

// ------------------------------------------------------------------ plain recomputations

// Wilder's average true range: the mean of the first n true ranges (the first is high - low),
// then fma(ATR, n - 1, TR) * (1 / n).
// A true range, seed sum or average beyond the doubles is refused: none, the average as it was,
// and the next true range reaching to that candle's close all the same.
Series ref_atr(const Candles& k, std::size_t n) {
    Series out(k.size());
    double seed = 0.0, atr = 0.0;
    std::size_t taken = 0;
    for (std::size_t t = 0; t < k.size(); ++t) {
        const double hl = k[t].high - k[t].low;
        const double tr = t == 0 ? hl
                                 : std::max({hl, std::fabs(k[t].high - k[t - 1].close),
                                             std::fabs(k[t].low - k[t - 1].close)});
        if (!std::isfinite(tr)) continue;
        if (taken < n) {
            if (!std::isfinite(seed + tr)) continue;
            seed += tr;
            if (++taken < n) continue;
            atr = seed / static_cast<double>(n);
        } else {
            const double next = std::fma(atr, static_cast<double>(n) - 1.0, tr) * (1.0 / static_cast<double>(n));
            if (!std::isfinite(next)) continue;
            atr = next;
        }
        out[t] = atr;
    }
    return out;
}

// A stop or an offset that is not finite gives no value and leaves the stop as it was.
Series ref_atr_trailing_stop(const Candles& k, std::size_t n, double mult) {
    const Series atr = ref_atr(k, n);
    Series out(k.size());
    Opt stop;
    double pc = 0.0;
    for (std::size_t t = 0; t < k.size(); ++t) {
        if (!atr[t]) continue;
        const double c = k[t].close, off = *atr[t] * mult;
        double next;
        if (!stop) {
            next = c - off;
        } else if (c > *stop) {
            next = pc > *stop ? std::max(*stop, c - off) : c - off;
        } else {
            next = c < *stop && pc < *stop ? std::min(*stop, c + off) : c + off;
        }
        if (!std::isfinite(off) || !std::isfinite(next)) continue;
        pc = c;
        out[t] = stop = next;
    }
    return out;
}

// As above for a level that is not finite: the side and extreme stay.
Series ref_volty_stop(const Candles& k, std::size_t n, double mult) {
    const Series atr = ref_atr(k, n);
    Series out(k.size());
    Opt extreme;
    bool is_long = true;
    for (std::size_t t = 0; t < k.size(); ++t) {
        if (!atr[t]) continue;
        const double c = k[t].close, off = *atr[t] * mult;
        double e = c;
        bool side = true;
        if (extreme && is_long) {
            side = !(c < *extreme - off);
            e = side ? std::max(*extreme, c) : c;
        } else if (extreme) {
            side = c > *extreme + off;
            e = side ? c : std::min(*extreme, c);
        }
        const double level = side ? e - off : e + off;
        if (!std::isfinite(off) || !std::isfinite(level)) continue;
        extreme = e, is_long = side, out[t] = level;
    }
    return out;
}

// The mean of a window summed from 0 oldest first; a window of one repeated price is that price.
double window_mean(const Candles& k, std::size_t t, std::size_t n, double Candle::*field) {
    double sum = 0.0;
    bool same = true;
    for (std::size_t i = t + 1 - n; i <= t; ++i) sum += k[i].*field, same = same && test::same_bits(k[i].*field, k[t].*field);
    return same ? k[t].*field : sum / static_cast<double>(n);
}

// Long from the start; a close above the last bar's average high turns long, below its average
// low short; the value is the last bar's average on the far side of the price.
Series ref_hi_lo(const Candles& k, std::size_t n) {
    Series out(k.size());
    bool is_long = true;
    for (std::size_t t = n; t < k.size(); ++t) {
        const double ph = window_mean(k, t - 1, n, &Candle::high), pl = window_mean(k, t - 1, n, &Candle::low);
        if (k[t].close > ph) is_long = true;
        if (k[t].close < pl) is_long = false;
        out[t] = is_long ? pl : ph;
    }
    return out;
}

struct SarParams {
    bool extended;
    double start_value, offset;
    double long_start, long_step, long_max, short_start, short_step, short_max;
};

SarParams sar_params(const std::string& type, const Vec& p) {
    if (type == "Psar") return {false, 0.0, 0.0, p[0], p[1], p[2], p[0], p[1], p[2]};
    return {true, p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]};
}

// The parabolic stop over candles 0, 1, 2, ...: decided on candle 1; from candle 2 on it advances
// and is clamped by the lows (or highs) of candles t - 1 and max(t - 2, 1).
Series ref_sar(const Candles& k, const SarParams& s) {
    Series out(k.size());
    if (k.size() < 2) return out;
    const auto h = [&k](std::size_t t) { return k[t].high; };
    const auto l = [&k](std::size_t t) { return k[t].low; };
    const double off = s.extended ? s.offset : 0.0;
    bool is_short;
    double sar;
    if (!s.extended || s.start_value == 0.0) {
        is_short = l(0) - l(1) > 0.0 && l(0) - l(1) > h(1) - h(0);
        sar = is_short ? h(0) : l(0);
    } else {
        is_short = s.start_value < 0.0;
        sar = std::fabs(s.start_value);
    }
    double ep = is_short ? l(1) : h(1), af = is_short ? s.short_start : s.long_start;
    const auto to_short = [&](double level, std::size_t t) {
        is_short = true, sar = off == 0.0 ? level : level + off * std::fabs(level), ep = l(t), af = s.short_start;
    };
    const auto to_long = [&](double level, std::size_t t) {
        is_short = false, sar = off == 0.0 ? level : level - off * std::fabs(level), ep = h(t), af = s.long_start;
    };
    if (!is_short && l(1) <= sar) {
        to_short(h(1), 1);
    } else if (is_short && h(1) >= sar) {
        to_long(l(1), 1);
    }
    out[1] = s.extended && is_short ? -sar : sar;
    for (std::size_t t = 2; t < k.size(); ++t) {
        const std::size_t b = std::max<std::size_t>(t - 2, 1);
        sar = sar + af * (ep - sar);
        if (!is_short) {
            sar = std::min({sar, l(t - 1), l(b)});
            if (l(t) <= sar) {
                to_short(std::max({ep, h(t - 1), h(t)}), t);
            } else if (h(t) > ep) {
                ep = h(t), af = std::min(af + s.long_step, s.long_max);
            }
        } else {
            sar = std::max({sar, h(t - 1), h(b)});
            if (h(t) >= sar) {
                to_long(std::min({ep, l(t - 1), l(t)}), t);
            } else if (l(t) < ep) {
                ep = l(t), af = std::min(af + s.short_step, s.short_max);
            }
        }
        out[t] = s.extended && is_short ? -sar : sar;
    }
    return out;
}

Series reference(const std::string& type, const Vec& p, const Candles& k) {
    const std::size_t n = static_cast<std::size_t>(p[0]);
    if (type == "AtrTrailingStop") return ref_atr_trailing_stop(k, n, p[1]);
    if (type == "VoltyStop") return ref_volty_stop(k, n, p[1]);
    if (type == "HiLoActivator") return ref_hi_lo(k, n);
    if (type == "TimeBasedStop") {
        Series out;
        for (std::size_t t = 0; t < k.size(); ++t) out.push_back(std::min((t + 1.0) / p[0], 1.0));
        return out;
    }
    return ref_sar(k, sar_params(type, p));
}

TEST(CandleTrailingStopsTest, EveryTypeAgainstItsDefinition) {
    struct Row {
        const char* type;
        std::vector<Vec> params;
    };
    const std::vector<Row> rows = {
        {"AtrTrailingStop", {{1, 1}, {3, 2.5}, {14, 3}, {30, 0.7}}},
        {"VoltyStop", {{1, 1}, {2, 0.5}, {10, 2}, {20, 3.5}}},
        {"HiLoActivator", {{1}, {2}, {3}, {10}, {33}}},
        {"TimeBasedStop", {{1}, {4}, {250}}},
        {"Psar", {{0.02, 0.02, 0.2}, {0.1, 0.05, 0.5}, {0.3, 0.3, 0.3}}},
        {"SarExt",
         {{0, 0, 0.02, 0.02, 0.2, 0.02, 0.02, 0.2}, {0, 0.05, 0.02, 0.02, 0.2, 0.1, 0.05, 0.4},
          {50, 0.01, 0.03, 0.01, 0.1, 0.02, 0.04, 0.2}, {-50, 0.02, 0.02, 0.02, 0.2, 0.02, 0.02, 0.2},
          {0.1, 0, 0.05, 0.05, 0.3, 0.02, 0.02, 0.2}}},
    };
    const std::vector<Candles> data = datasets();
    for (std::size_t d = 0; d < data.size(); ++d) {
        const Candles& bars = data[d];
        const Candles k = test::accepted_candles(bars);
        for (const Row& row : rows)
            for (const Vec& p : row.params) {
                const std::string what = test::describe(row.type, p) + " over dataset " + std::to_string(d);
                // The averages of HiLoActivator are exact on the bars after a re-sum and on sums
                // of quarters; elsewhere the running sums may drift from the window's sum.
                const std::size_t n = static_cast<std::size_t>(p[0]);
                Vec tol(bars.size(), 0.0);
                for (std::size_t i = 0, t = 0; i < bars.size(); ++i)
                    if (candle_passes(bars[i]))
                        tol[i] = std::string(row.type) == "HiLoActivator" && t++ % n != 0 && d != 2 ? 1e-12 : 0.0;
                test::expect_series(run_candles(row.type, p, bars), test::on_accepted(bars, reference(row.type, p, k)),
                                    [&tol](std::size_t i) { return tol[i]; }, what, 0.0);
            }
    }
}

TEST(CandleTrailingStopsTest, WorkedNumbers) {
    const auto expect = [](const std::string& type, const Vec& p, const Candles& bars, const Series& want) {
        test::expect_series(run_candles(type, p, bars), want, 0.0, test::describe(type, p));
    };
    expect("TimeBasedStop", {4}, Candles(6, bar(1, 2, 0, 1)), {0.25, 0.5, 0.75, 1.0, 1.0, 1.0});
    // ATR 2 each bar: the stop 8, then a close on it turns the stop above the close.
    expect("AtrTrailingStop", {1, 1}, {bar(10, 11, 9, 10), bar(10, 10, 8, 8)}, {8.0, 10.0});
    // A close that was on the stop (a range of 0 put it there) does not hold the stop up: the
    // rise to 11 with a true range of 3 restarts it at 8.
    expect("AtrTrailingStop", {1, 1}, {flat(10), bar(10, 12, 9, 11)}, {10.0, 8.0});
    // Long: a close on the level (10 - 2) keeps long; under it (10 - 0.5) turns short at 7.5.
    // Short: a close on the level (7.5 + 1) keeps short; above it (7.5 + 0.5) turns long.
    expect("VoltyStop", {1, 1},
           {bar(10, 11, 9, 10), bar(10, 10, 8, 8), bar(8, 8, 7.5, 7.5), bar(7.5, 8.5, 7.5, 8.5), bar(8.5, 9, 8.5, 9)},
           {8.0, 8.0, 8.0, 8.5, 8.5});
    // A range beyond the doubles is refused; the next true range reaches to its close of 0: 2
    // (not 9.5 back to 10) above the close of 1 that turns both stops short.
    const Candles after_wide = {bar(10, 11, 9, 10), bar(0, 1.7e308, -1.7e308, 0), bar(1, 2, 0.5, 1)};
    expect("AtrTrailingStop", {1, 1}, after_wide, {8.0, N, 3.0});
    expect("VoltyStop", {1, 1}, after_wide, {8.0, N, 3.0});
    // Closes between the average low 10 and high 12 from the first value on: long, at the low.
    expect("HiLoActivator", {2}, Candles(5, bar(11, 12, 10, 11)), {N, N, 10.0, 10.0, 10.0});
    // The second candle opens long at the first low, 9, and its low touches it: short at its high.
    const Candles second = {bar(10, 11, 9, 10), bar(10, 11.5, 9, 11), bar(10, 10.5, 9.5, 10)};
    expect("Psar", {0.02, 0.02, 0.2}, second, {N, 11.5, 11.5});
    expect("SarExt", {0, 0, 0.02, 0.02, 0.2, 0.02, 0.02, 0.2}, second, {N, -11.5, -11.5});
    // Equal up and down moves open long (at the first low, 9), and the low 8 reverses it.
    expect("Psar", {0.02, 0.02, 0.2}, {bar(10, 11, 9, 10), bar(10, 12, 8, 10)}, {N, 12.0});
    // With an offset of 0.1 the reversal stop is 11.5 + 1.15, and the acceleration restarts at
    // the short side's start (0.1, not the long side's 0.02) on the next candle.
    const double reversal = 11.5 + 0.1 * 11.5;
    expect("SarExt", {0, 0.1, 0.02, 0.02, 0.2, 0.1, 0.05, 0.3}, second,
           {N, -reversal, -(reversal + 0.1 * (9.0 - reversal))});
    // A start value fixes the first side and level: short at 12 (untouched by the high 11.5).
    expect("SarExt", {-12, 0, 0.02, 0.02, 0.2, 0.02, 0.02, 0.2}, second, {N, -12.0, -(12.0 + 0.02 * (9.0 - 12.0))});
}

// With start value 0 and no offset, the extended stop is the basic one with the short phases
// negated.
TEST(CandleTrailingStopsTest, SarExtWithoutExtensionsIsPsarUpToSign) {
    const Candles bars = test::varied_candles(600, 21, true);
    const Series basic = run_candles("Psar", {0.02, 0.02, 0.2}, bars);
    const Series ext = run_candles("SarExt", {0, 0, 0.02, 0.02, 0.2, 0.02, 0.02, 0.2}, bars);
    std::size_t shorts = 0;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        ASSERT_EQ(basic[i].has_value(), ext[i].has_value()) << i;
        if (!basic[i]) continue;
        EXPECT_EQ(std::fabs(*ext[i]), *basic[i]) << i;
        shorts += *ext[i] < 0.0;
    }
    EXPECT_GT(shorts, 50u);
}

// Flat markets give their price exactly: an average of three 0.1s, summed and divided, is
// 0.10000000000000002, under which a close of 0.1 would read as a breakdown and turn the
// activator short (at the average high), or which a short activator would give as its value.
TEST(CandleTrailingStopsTest, FlatMarketKeepsTheActivatorOnItsPrice) {
    const auto from = [](const Candles& bars, std::size_t first, std::size_t n) {
        const Series got = run_candles("HiLoActivator", {static_cast<double>(n)}, bars);
        for (std::size_t i = first; i < bars.size(); ++i) EXPECT_EQ(got[i], 0.1) << i;
    };
    from(Candles(7, flat(0.1)), 3, 3);
    // Long on lows of 0.1 under highs of 0.3.
    from(Candles(7, bar(0.1, 0.3, 0.1, 0.1)), 3, 3);
    // Short after a fall from 1, on highs of 0.1.
    Candles fall(3, flat(1.0));
    fall.insert(fall.end(), 6, flat(0.1));
    from(fall, 6, 3);
    // After variation, whatever the running sums carry of what left the window.
    Candles bars = test::varied_candles(23, 9, false);
    bars.insert(bars.end(), 12, flat(0.1));
    from(bars, 26, 3);
}

// Candles near the double range among ordinary ones: an ATR of 1.5e308 (whose offset overflows
// at k = 2, and decays through offsets that overflow at k = 7), a first stop of -1.5e308 - 5e307,
// a lowest close far under a huge ATR.
Candles hostile_candles() {
    Candles bars = test::varied_candles(80, 5, false);
    const Candle wide = bar(100, 1.5e308, 100, 100), deep = bar(-1e308, -1e308, -1.5e308, -1.5e308);
    bars.insert(bars.begin() + 50, {wide, bar(100, 101, 99, 100), deep, bar(-1.6e308, 0, -1.6e308, 0)});
    bars.insert(bars.begin() + 20, wide);
    bars.insert(bars.begin(), deep);
    return bars;
}

TEST(CandleTrailingStopsTest, CandlesWhoseLevelsLeaveTheDoublesGiveNoValue) {
    const Candles bars = hostile_candles();
    for (const auto& [type, p] : std::vector<std::pair<std::string, Vec>>{
             {"AtrTrailingStop", {1, 2}}, {"AtrTrailingStop", {3, 7}}, {"AtrTrailingStop", {1, 1}},
             {"VoltyStop", {1, 2}}, {"VoltyStop", {3, 7}}, {"VoltyStop", {1, 1}}}) {
        const Series got = run_candles(type, p, bars);
        const Series want = type == "VoltyStop" ? ref_volty_stop(bars, static_cast<std::size_t>(p[0]), p[1])
                                                : ref_atr_trailing_stop(bars, static_cast<std::size_t>(p[0]), p[1]);
        test::expect_series(got, want, 0.0, test::describe(type, p));
        if (p[1] < 2.0) continue;
        // The wide candle's offset overflows; at k = 7 the next one's too.
        EXPECT_FALSE(got[21]) << test::describe(type, p);
        EXPECT_EQ(got[22].has_value(), p[1] < 7.0) << test::describe(type, p);
    }
    // The first candle's stop alone leaves the doubles.
    EXPECT_FALSE(run_candles("AtrTrailingStop", {1, 1}, bars)[0]);
    EXPECT_FALSE(run_candles("VoltyStop", {1, 1}, bars)[0]);
    // A high of 1e308 beside one in the window has no finite sum; a low of -1e308 neither.
    Candles base = test::varied_candles(60, 5, false);
    for (std::size_t k : {0u, 5u, 30u}) base[k].high = 1e308, base[k + 12].low = -1e308;
    for (std::size_t k : {0u, 5u, 30u})
        for (std::size_t n = 2; n <= 4; ++n) {
            test::expect_candles_refused("HiLoActivator", {static_cast<double>(n)}, base, k + n - 1, {bar(100, 1e308, 100, 100)});
            test::expect_candles_refused("HiLoActivator", {static_cast<double>(n)}, base, k + 12 + n - 1, {bar(0, 1, -1e308, 0)});
        }
    // A reversal level pushed away by 1e10 times a high of 1e300: on the second candle and later.
    const Vec ext = {0, 1e10, 0.02, 0.02, 0.2, 0.02, 0.02, 0.2};
    const Candles sar = {bar(10, 11, 9, 10), bar(11, 12, 10, 11.5), bar(11.5, 12.5, 11, 12), bar(12, 13, 11.5, 12.5)};
    test::expect_candles_refused("SarExt", ext, sar, 1, {bar(10, 1e300, 9, 10)});
    test::expect_candles_refused("SarExt", ext, sar, 2, {bar(5, 1e300, 5, 5)});
}

// A long stop at -1.5e308 under an extreme point of 1e308: the distance overflows, but the
// advance by 0.02 of it does not and stays far under the lows, so no reversal.
TEST(CandleTrailingStopsTest, AdvanceOverAnOverflowingDistance) {
    const Candles bars = {bar(-1e308, -1e308, -1.5e308, -1e308), bar(1e308, 1e308, 1e308, 1e308),
                          bar(1e308, 1.2e308, 1e308, 1.1e308), bar(1.1e308, 1.3e308, 1.1e308, 1.2e308)};
    // -1.5e308 + 0.02 (1e308 + 1.5e308), then that + 0.04 (1.2e308 + 1.45e308).
    const double first = -1.45e308, second = -1.344e308;
    for (const auto& [type, sign] : std::vector<std::pair<std::string, double>>{{"Psar", 1.0}, {"SarExt", 1.0}}) {
        const Vec p = type == "Psar" ? Vec{0.02, 0.02, 0.2} : Vec{0, 0.5, 0.02, 0.02, 0.2, 0.1, 0.1, 0.5};
        test::expect_series(run_candles(type, p, bars), {N, -1.5e308, sign * first, sign * second}, 1e-14, type, 1.5e308);
    }
}

// Lengths far beyond the data cost memory for the data only, and report their warm-ups.
TEST(CandleTrailingStopsTest, LengthsBeyondTheData) {
    const Candles bars = test::varied_candles(500, 2, false);
    for (const auto& [type, p, warmup] : std::vector<std::tuple<std::string, Vec, std::uint64_t>>{
             {"HiLoActivator", {16777216}, 16777217},
             {"AtrTrailingStop", {16777216, 2}, 16777216},
             {"VoltyStop", {16777216, 2}, 16777216}}) {
        std::uint64_t got = 0;
        EXPECT_EQ(test::first_value_bar(run_candles(type, p, bars, &got)), 0u) << type;
        EXPECT_EQ(got, warmup) << type;
    }
    EXPECT_EQ(run_candles("TimeBasedStop", {16777216}, bars)[499], 500.0 / 16777216.0);
}

}  // namespace
}  // namespace prynox
