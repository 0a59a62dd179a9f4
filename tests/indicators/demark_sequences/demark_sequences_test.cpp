// The DeMark sequences and levels against plain recomputations over the accepted candles: every
// output on every bar, bit for bit; their worked cases and the refusals that keep levels finite.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "indicators/demark_sequences/output_lines.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {
namespace {

using test::bar;
using test::Candles;
using test::Lines;
using Vec = std::vector<double>;

// Length of the run of closes beyond (below when `buy`) the close a bars earlier that ends at t.
std::size_t run_length(const Candles& k, std::size_t t, std::size_t a, bool buy) {
    std::size_t L = 0;
    while (t >= a + L && (buy ? k[t - L].close < k[t - L - a].close : k[t - L].close > k[t - L - a].close)) ++L;
    return L;
}

// TdLines (risk = false) and TdRiskLevel: on a bar whose run has reached r, the level of the run's
// bars (the earliest extreme bar's for the risk); a level keeps its value otherwise.
Lines ref_levels(const Candles& k, std::size_t a, std::size_t r, bool risk) {
    Lines out(k.size());
    double up = NAN, down = NAN;
    for (std::size_t t = a; t < k.size(); ++t) {
        for (const bool buy : {true, false}) {
            const std::size_t L = run_length(k, t, a, buy);
            if (L < r) continue;
            std::size_t e = t - L + 1;
            double hh = k[e].high, ll = k[e].low;
            for (std::size_t j = t - L + 1; j <= t; ++j) {
                if (buy ? k[j].low < k[e].low : k[j].high > k[e].high) e = j;
                hh = std::max(hh, k[j].high), ll = std::min(ll, k[j].low);
            }
            const double p = k[e - 1].close, tr = std::max({k[e].high - k[e].low, std::fabs(k[e].high - p), std::fabs(k[e].low - p)});
            (buy ? up : down) = !risk ? (buy ? hh : ll) : buy ? k[e].low - tr : k[e].high + tr;
        }
        if (!std::isnan(up) || !std::isnan(down)) out[t] = Vec{up, down};
    }
    return out;
}

// TdSequential: the setup counted from bar max(a, c) + 1 on, the side its last completion set, and
// the count of TdCountdown.
Lines ref_sequential(const Candles& k, const Vec& p) {
    const test::Series count = test::run_candles("TdCountdown", p, k);
    const std::size_t a = p[0], s = p[1];
    Lines out(k.size());
    std::size_t buy = 0, sell = 0;
    double side = 0.0;
    for (std::size_t t = std::max(p[0], p[2]); t < k.size(); ++t) {
        buy = k[t].close < k[t - a].close ? std::min(buy + 1, s) : 0;
        sell = k[t].close > k[t - a].close ? std::min(sell + 1, s) : 0;
        side = buy == s ? 1.0 : sell == s ? -1.0 : side;
        out[t] = Vec{buy > 0 ? double(buy) : sell > 0 ? -double(sell) : 0.0, *count[t], side};
    }
    return out;
}

// TdMovingAverage (the running sums of the simple average over the midpoints) and TdRangeProjection.
Lines ref_average_or_projection(const Candles& k, const Vec& p) {
    Vec mids;
    for (const Candle& c : k) mids.push_back(std::fabs(c.high) <= 8.988465674311579e307 && std::fabs(c.low) <= 8.988465674311579e307 ? (c.high + c.low) * 0.5 : c.high * 0.5 + c.low * 0.5);
    const test::Series st1 = test::ref_sma(mids, p.empty() ? 1 : p[0]), st2 = test::ref_sma(mids, p.empty() ? 1 : p[1]);
    Lines out(k.size());
    for (std::size_t t = 0; t < k.size(); ++t) {
        const Candle& c = k[t];
        const double x = c.close < c.open ? c.close + (c.high + 2 * c.low) : c.close > c.open ? c.close + (c.low + 2 * c.high) : (c.high + c.low) + 2 * c.close;
        if (p.empty()) out[t] = Vec{x * 0.5 - c.low, x * 0.5 - c.high};
        else if (st2[t]) out[t] = Vec{*st1[t], *st2[t]};
    }
    return out;
}

TEST(DemarkSequencesTest, EveryOutputMatchesPlainRecomputation) {
    for (const Candles& bars : {test::varied_candles(700, 5, true), test::varied_candles(1500, 6, false), test::grid_candles(600, 9)}) {
        const Candles k = test::accepted_candles(bars);
        for (const Vec& p : {Vec{4, 9, 2, 13}, Vec{2, 3, 6, 4}, Vec{1, 2, 1, 3}, Vec{3, 4, 2, 6}})
            test::expect_lines("TdSequential", p, bars, ref_sequential(k, p));
        for (const Vec& p : {Vec{4, 3}, Vec{1, 1}, Vec{2, 6}}) {
            test::expect_lines("TdLines", p, bars, ref_levels(k, p[0], p[1], false));
            test::expect_lines("TdRiskLevel", p, bars, ref_levels(k, p[0], p[1], true));
        }
        for (const Vec& p : {Vec{3, 5}, Vec{1, 2}, Vec{13, 34}, Vec{}})
            test::expect_lines(p.empty() ? "TdRangeProjection" : "TdMovingAverage", p, bars, ref_average_or_projection(k, p));
    }
}

TEST(DemarkSequencesTest, WorkedCases) {
    Candles k;
    for (double c : {20, 20, 20, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 13}) k.push_back(bar(c, c + 1, c - 1, c));
    // Nine closes each below the close four bars earlier set setup 9 and direction +1; a tenth keeps
    // 9; a close equal to the one four bars earlier sets setup 0 and keeps the side and countdown.
    const Lines seq = test::run_lines("TdSequential", {4, 9, 2, 13}, k);
    EXPECT_EQ(Lines(seq.end() - 3, seq.end()), (Lines{Vec{9, 1, 1}, Vec{9, 2, 1}, Vec{0, 2, 1}}));
    // Only sell runs so far: the resistance, the value, is a present NaN beside a finite support.
    const Lines lines = test::run_lines("TdLines", {1, 2}, {k[11], k[14], k[0]});
    ASSERT_TRUE(lines[2] && std::isnan((*lines[2])[0]) && (*lines[2])[1] == 12.0);
}

// A bar whose true range, or whose low less it or high plus it, leaves the doubles is refused
// (a level would be infinite); so is a projection beyond them. Averages of midpoints beyond the
// doubles give nothing until the sums are recomputed without them.
// The next true range reaches to the refused bar's close: with the close of the bar before, the
// run goes on as without it.
TEST(DemarkSequencesTest, BarsBeyondTheDoublesKeepTheLevelsFinite) {
    const Candles k = test::varied_candles(200, 3, false);
    const double c = k[99].close;
    for (const Candle& bad : {bar(c, 1.7e308, -1.7e308, c), bar(-1e308, c, -1e308, c), bar(c, 1e308, c, c)})
        test::expect_candles_refused("TdRiskLevel", {2, 3}, k, 100, {bad});
    // After a refused range, a close of 9 below the 10 a bar earlier completes a buy run of 1: its
    // true range reaches to the refused close of 0, 10, and the risk lies 10 under its low of 8.
    const Lines risk = test::run_lines("TdRiskLevel", {1, 1}, {bar(10, 11, 9, 10), bar(0, 1.7e308, -1.7e308, 0), bar(9, 10, 8, 9)});
    ASSERT_TRUE(!risk[1] && risk[2]);
    EXPECT_EQ((*risk[2])[0], 8.0 - 10.0);
    test::expect_candles_refused("TdRangeProjection", {}, k, 10, {bar(1e308, 1e308, 1e308, 1e308)});
    Candles huge(3, test::flat(1.7e308));
    huge.insert(huge.end(), 40, bar(1, 2, 0, 1));
    const Lines got = test::run_lines("TdMovingAverage", {1, 2}, huge);
    EXPECT_TRUE(!got[2] && got.back() == (Vec{1, 1}));
}

// Lookbacks far beyond the data cost memory for the data only, and report saturated warm-ups.
TEST(DemarkSequencesTest, LookbacksBeyondTheData) {
    for (const auto& [type, p, warmup] : {std::tuple<const char*, Vec, std::uint64_t>{"TdLines", {1e15, 2}, 1000000000000001},
                                          {"TdRiskLevel", {1.8446744073709552e19, 2}, kCountMax}}) {
        EXPECT_EQ((*build_indicator(type, p))->warmup_period(), warmup) << type;
        for (const auto& v : test::run_lines(type, p, test::varied_candles(500, 4, false))) ASSERT_FALSE(v) << type;
    }
}

}  // namespace
}  // namespace prynox
