// The DeMark sequences and levels against plain recomputations over the accepted candles: every
// output on every bar, bit for bit; their worked cases and the refusals that keep levels finite.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "indicators/cores/saturating.hpp"
#include "indicators/directional_movement/candle_runs.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::bar;
using test::Candles;
using Vec = std::vector<double>;
using Lines = std::vector<std::optional<Vec>>;

Lines run_lines(const std::string& type, const Vec& params, const Candles& bars) {
    auto built = build_indicator(type, params);
    Lines out;
    BarContext ctx;
    for (const Candle& c : bars) {
        ctx.candle = &c;
        auto& l = out.emplace_back();
        if (!(*built)->update(ctx)) continue;
        l.emplace();
        for (const auto& o : (*built)->outputs()) l->push_back(o.value);
    }
    return out;
}

void expect_lines(const Lines& got, const Lines& want, const std::string& what) {
    ASSERT_EQ(got.size(), want.size()) << what;
    for (std::size_t i = 0; i < got.size(); ++i)
        ASSERT_TRUE(got[i].has_value() == want[i].has_value() &&
                    (!got[i] || std::equal(got[i]->begin(), got[i]->end(), want[i]->begin(), want[i]->end(),
                                           [](double a, double b) { return test::same_bits(a, b) || (std::isnan(a) && std::isnan(b)); })))
            << what << " bar " << i;
}

// Bars t - L + 1 .. t of the run of closes beyond (below when `buy`) the close a bars earlier
// ending at t, L its length.
std::size_t run_length(const Candles& k, std::size_t t, std::size_t a, bool buy) {
    std::size_t L = 0;
    while (t >= a + L && (buy ? k[t - L].close < k[t - L - a].close : k[t - L].close > k[t - L - a].close)) ++L;
    return L;
}

double true_range(const Candles& k, std::size_t e) {
    const double p = k[e - 1].close;
    return std::max({k[e].high - k[e].low, std::fabs(k[e].high - p), std::fabs(k[e].low - p)});
}

// TdLines (risk = false) and TdRiskLevel: on a bar whose run has reached r, the level of its
// bars; a level keeps its value otherwise.
Lines ref_levels(const Candles& k, std::size_t a, std::size_t r, bool risk) {
    Lines out(k.size());
    double up = NAN, down = NAN;  // resistance or buy risk; support or sell risk
    for (std::size_t t = a; t < k.size(); ++t) {
        for (const bool buy : {true, false}) {
            const std::size_t L = run_length(k, t, a, buy);
            if (L < r) continue;
            std::size_t e = t - L + 1;  // the earliest extreme bar
            for (std::size_t j = e; j <= t; ++j)
                if (buy ? k[j].low < k[e].low : k[j].high > k[e].high) e = j;
            double hh = k[t].high, ll = k[t].low;
            for (std::size_t j = t - L + 1; j <= t; ++j) hh = std::max(hh, k[j].high), ll = std::min(ll, k[j].low);
            if (buy) up = risk ? k[e].low - true_range(k, e) : hh;
            else down = risk ? k[e].high + true_range(k, e) : ll;
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

Lines ref_moving_average(const Candles& k, const Vec& p) {
    Vec mids;
    for (const Candle& c : k) mids.push_back(std::fabs(c.high) <= 8.988465674311579e307 && std::fabs(c.low) <= 8.988465674311579e307 ? (c.high + c.low) * 0.5 : c.high * 0.5 + c.low * 0.5);
    const test::Series st1 = test::ref_sma(mids, p[0]), st2 = test::ref_sma(mids, p[1]);
    Lines out(k.size());
    for (std::size_t t = 0; t < k.size(); ++t)
        if (st2[t]) out[t] = Vec{*st1[t], *st2[t]};
    return out;
}

Lines ref_projection(const Candles& k) {
    Lines out;
    for (const Candle& c : k) {
        const double x = c.close < c.open ? c.close + (c.high + 2 * c.low) : c.close > c.open ? c.close + (c.low + 2 * c.high) : (c.high + c.low) + 2 * c.close;
        out.push_back(Vec{x * 0.5 - c.low, x * 0.5 - c.high});
    }
    return out;
}

// Trending runs on a grid of halves (ties with the reference are frequent), wicks of random length.
Candles walk(std::size_t n, std::uint64_t seed) {
    Candles out;
    double x = 50.0, drift = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i % 40 == 0) drift = test::unit(seed) * 0.6;
        const double o = x;
        x = std::round((x + drift + test::unit(seed)) * 2.0) / 2.0;
        out.push_back(bar(o, std::max(o, x) + std::round(std::fabs(test::unit(seed)) * 4) / 4, std::min(o, x) - std::fabs(test::unit(seed)), x));
    }
    return out;
}

TEST(DemarkSequencesTest, EveryOutputMatchesPlainRecomputation) {
    for (const Candles& bars : {test::varied_candles(700, 5, true), walk(1500, 1), walk(1500, 2), test::grid_candles(400, 9)}) {
        const Candles k = test::accepted_candles(bars);
        const auto check = [&](const char* type, const Vec& p, const Lines& per_accepted) {
            Lines want;
            for (std::size_t i = 0, j = 0; i < bars.size(); ++i) want.push_back(candle_passes(bars[i]) ? per_accepted[j++] : std::nullopt);
            expect_lines(run_lines(type, p, bars), want, test::describe(type, p));
        };
        for (const Vec& p : {Vec{4, 9, 2, 13}, Vec{2, 9, 6, 13}, Vec{1, 2, 1, 3}, Vec{3, 4, 2, 6}})
            check("TdSequential", p, ref_sequential(k, p));
        for (const Vec& p : {Vec{4, 3}, Vec{1, 1}, Vec{2, 6}}) {
            check("TdLines", p, ref_levels(k, p[0], p[1], false));
            check("TdRiskLevel", p, ref_levels(k, p[0], p[1], true));
        }
        for (const Vec& p : {Vec{3, 5}, Vec{1, 2}, Vec{13, 34}}) check("TdMovingAverage", p, ref_moving_average(k, p));
        check("TdRangeProjection", {}, ref_projection(k));
    }
}

TEST(DemarkSequencesTest, WorkedCases) {
    const auto closes = [](const Vec& cs) {
        Candles out;
        for (double c : cs) out.push_back(bar(c, c + 1, c - 1, c));
        return out;
    };
    // Nine closes each below the close four bars earlier set setup 9 and direction +1; a tenth keeps
    // 9; a close equal to the one four bars earlier sets setup 0 and keeps the side and countdown.
    const Lines seq = run_lines("TdSequential", {4, 9, 2, 13}, closes({20, 20, 20, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 13}));
    EXPECT_EQ(seq[12], (Vec{9, 1, 1}));
    EXPECT_EQ(seq[13], (Vec{9, 2, 1}));
    EXPECT_EQ(seq[14], (Vec{0, 2, 1}));
    // Only sell runs so far: the resistance (the value) is a present NaN beside a finite support.
    const Lines lines = run_lines("TdLines", {1, 2}, closes({10, 11, 12}));
    ASSERT_TRUE(lines[2] && std::isnan((*lines[2])[0]));
    EXPECT_EQ((*lines[2])[1], 10.0);
    // Two bars of equal lowest low in a buy run: the earlier bar's true range (5, not 7) counts.
    const Candles tie = {bar(10, 10, 10, 10), bar(9, 9, 5, 6), bar(6, 12, 5, 5)};
    const Lines risk = run_lines("TdRiskLevel", {1, 2}, tie);
    ASSERT_TRUE(risk[2] && std::isnan((*risk[2])[1]));
    EXPECT_EQ((*risk[2])[0], 0.0);
    EXPECT_EQ(run_lines("TdRangeProjection", {}, {bar(10, 12, 8, 9)})[0], (Vec{10.5, 6.5}));
}

// A bar whose true range, or whose low less it or high plus it, leaves the doubles is refused
// (a level would be infinite); so is a projection beyond them. Averages of midpoints beyond the
// doubles give nothing until the sums are recomputed without them.
TEST(DemarkSequencesTest, BarsBeyondTheDoublesKeepTheLevelsFinite) {
    const Candles k = test::accepted_candles(walk(200, 3));
    for (const Candle& bad : {bar(0, 1.7e308, -1.7e308, 0), bar(-1e308, 0, -1e308, 0), bar(1e308, 1e308, 1e308, 1e308)})
        test::expect_candles_refused("TdRiskLevel", {2, 3}, k, 100, {bad});
    test::expect_candles_refused("TdRangeProjection", {}, k, 10, {bar(1e308, 1e308, 1e308, 1e308)});
    Candles huge(3, bar(1.7e308, 1.7e308, 1.7e308, 1.7e308));
    huge.insert(huge.end(), 40, bar(1, 2, 0, 1));
    const Lines got = run_lines("TdMovingAverage", {1, 2}, huge);
    EXPECT_FALSE(got[2]);
    EXPECT_EQ(got.back(), (Vec{1, 1}));
}

// Lookbacks far beyond the data cost memory for the data only, and report saturated warm-ups.
TEST(DemarkSequencesTest, LookbacksBeyondTheData) {
    for (const auto& [type, p, warmup] : {std::tuple{"TdSequential", Vec{4, 9, 1.8446744073709552e19, 13}, kCountMax},
                                          std::tuple<const char*, Vec, std::uint64_t>{"TdLines", Vec{1e15, 2}, 1000000000000001},
                                          std::tuple{"TdRiskLevel", Vec{1.8446744073709552e19, 2}, kCountMax}}) {
        EXPECT_EQ((*build_indicator(type, p))->warmup_period(), warmup) << type;
        for (const auto& v : run_lines(type, p, walk(500, 4))) ASSERT_FALSE(v) << type;
    }
}

}  // namespace
}  // namespace prynox
