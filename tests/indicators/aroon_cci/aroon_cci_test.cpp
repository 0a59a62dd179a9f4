// The Aroon and CCI oscillators against plain recomputations over the accepted candles, flat
// windows and windows whose sums or deviation leave the doubles among the sets; pinned edge cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "support/candle_tables.hpp"

namespace prynox {
namespace {

using namespace test;

Vec typicals(const Candles& cs) {
    Vec x;
    for (const Candle& c : cs) x.push_back(((c.high + c.low) + c.close) / 3.0);
    return x;
}

bool all_equal(const Vec& x, std::size_t from, std::size_t to) {
    return std::all_of(x.begin() + from, x.begin() + to, [&](double v) { return same_bits(v, x[to]); });
}

// The mean deviation CCI of typical price t around `mean`; 0 where nothing deviates, no value
// beyond the doubles.
std::optional<double> cci_of(const Vec& x, std::size_t t, std::size_t p, double mean) {
    double dev = 0.0;
    for (std::size_t i = t + 1 - p; i <= t; ++i) dev += std::fabs(x[i] - mean);
    const double md = dev / p, value = (x[t] - mean) / (md * 0.015);
    if (md == 0.0) return 0.0;
    return std::isfinite(value) && std::isfinite(md) ? std::optional(value) : N;
}

// Positions of the highest high and lowest low among the p + 1 last candles (newest of equals).
Series ref_aroon(const Candles& cs, const Vec& pv) {
    const std::size_t p = at(pv, 0);
    Series out(cs.size());
    for (std::size_t t = p; t < cs.size(); ++t) {
        std::size_t hi = 0, lo = 0;
        for (std::size_t j = 1; j <= p; ++j) {
            if (cs[t - p + j].high >= cs[t - p + hi].high) hi = j;
            if (cs[t - p + j].low <= cs[t - p + lo].low) lo = j;
        }
        out[t] = (hi * 100.0) / p - (lo * 100.0) / p;
    }
    return out;
}

// The running sum re-summed from the window every p-th candle and whenever it is not finite.
Series ref_cci(const Candles& cs, const Vec& pv) {
    const std::size_t p = at(pv, 0);
    const Vec x = typicals(cs);
    Series out(cs.size());
    double sum = 0.0;
    for (std::size_t t = 0; t < x.size(); ++t) {
        if (t >= p) sum -= x[t - p];
        sum += x[t];
        if ((t + 1) % p == 0 || !std::isfinite(sum))
            sum = window_sum(x, t, std::min(p, t + 1));
        if (t + 1 >= p) out[t] = all_equal(x, t + 1 - p, t) ? 0.0 : cci_of(x, t, p, sum / p);
    }
    return out;
}

Series ref_stochastic_cci(const Candles& cs, const Vec& p) {
    return through(ref_cci(cs, p), [&p](const Vec& v) {
        return windows(v, at(p, 0), [](std::span<const double> w) {
            const auto [lo, hi] = std::minmax_element(w.begin(), w.end());
            return *hi == *lo ? 50.0 : (w.back() - *lo) / (*hi - *lo) * 100.0;
        });
    });
}

Series ref_adaptive_cci(const Candles& cs, const Vec& pv) {
    const std::size_t p = at(pv, 0);
    const Vec x = typicals(cs);
    Series out(cs.size());
    std::optional<double> mean;
    for (std::size_t t = p - 1; t < x.size(); ++t) {
        const std::size_t f = t + 1 - p;
        double path = 0.0, sc = 2.0 / 31.0;
        for (std::size_t i = f + 1; i <= t; ++i) path += std::fabs(x[i] - x[i - 1]);
        if (path > 0.0) sc += std::min(std::fabs(x[t] - x[f]) / path, 1.0) * (2.0 / 3.0 - 2.0 / 31.0);
        // p equal prices seed their own value; a sum beyond the doubles seeds nothing.
        const double m = mean ? *mean + sc * sc * (x[t] - *mean)
                              : all_equal(x, f, t) ? x[t] : window_sum(x, t, p) / p;
        if (!std::isfinite(m)) continue;
        out[t] = cci_of(x, t, p, *(mean = m));
    }
    return out;
}

// Candles whose highs and lows are zeros of either sign among a few small prices: equal
// extremes that differ in their bits.
Candles signed_zero_candles(std::size_t n, std::uint64_t seed) {
    const Candle kinds[] = {flat(0.0), flat(-0.0), bar(0.0, 1.0, -0.0, 0.0), bar(-0.0, 0.0, -1.0, -0.0),
                            bar(-0.0, -0.0, -1.0, -1.0), bar(0.0, 1.0, 0.0, 1.0), flat(1.0), flat(-1.0)};
    Candles out;
    for (std::size_t i = 0; i < n; ++i) out.push_back(kinds[splitmix(seed) % std::size(kinds)]);
    return out;
}

TEST(AroonCciTest, MatchPlainRecomputations) {
    const Candles tail = varied_candles(40, 8, false);
    const std::vector<Candles> sets = {
        varied_candles(700, 5, true), grid_candles(400, 9), signed_zero_candles(400, 21),
        // Seven typical prices of 0.10000000000000002 average to 0.1: flat windows beside variation.
        joined({varied_candles(70, 13, false), Candles(80, flat(0.1)), varied_candles(60, 17, false)}),
        // The running sum reaches 1.7e308, and dropping -0.5e308 overflows it.
        joined({{flat(-0.5e308)}, Candles(4, flat(0.55e308)), tail}),
        joined({Candles(3, flat(0.55e308)), {flat(0.56e308)}, tail}),
    };
    const CandleFormula formulas[] = {
        {"AroonOscillator", {{1}, {2}, {14}, {50}}, ref_aroon},
        {"Cci", {{1}, {2}, {5}, {7}, {20}, {64}}, ref_cci},
        {"StochasticCci", {{1}, {2}, {5}, {14}}, ref_stochastic_cci},
        {"AdaptiveCci", {{2}, {3}, {4}, {10}, {30}}, ref_adaptive_cci},
    };
    expect_candle_formulas(sets, formulas);
}

TEST(AroonCciTest, PinnedCases) {
    const Candle base = bar(10, 11, 9, 10);
    const Candles apart = {flat(0.5e308), flat(-0.5e308), flat(0.5e308), flat(-0.5e308)};
    const CandlePin pins[] = {
        {"equal high and low count as current", "AroonOscillator", {1}, {base, base}, {N, 0.0}},
        {"equal high, higher low", "AroonOscillator", {1}, {base, bar(10, 11, 9.5, 10)}, {N, 100.0}},
        {"highest oldest, lowest newest", "AroonOscillator", {3},
         {bar(10, 15, 9, 10), bar(10, 12, 8, 10), bar(10, 11, 8.5, 10), bar(7, 8, 6, 7)}, {-100.0}},
        // -0.0 >= 0.0: the zeros are equal extremes, and the newest wins either way round.
        {"-0 high and low after +0 count as current", "AroonOscillator", {1}, {flat(0.0), flat(-0.0)}, {N, 0.0}},
        {"+0 high and low after -0 count as current", "AroonOscillator", {1}, {flat(-0.0), flat(0.0)}, {N, 0.0}},
        {"equal highs: the newest of three", "AroonOscillator", {4},
         {bar(10, 12, 9, 10), bar(10, 12, 9, 10), bar(10, 11, 8, 10), bar(10, 12, 9.5, 10), bar(10, 11, 9, 10)}, {75.0 - 50.0}},
        {"lowest leaves the window", "AroonOscillator", {2},
         {bar(10, 11, 1, 10), bar(10, 12, 9, 10), bar(10, 11, 8, 10), bar(10, 11, 9, 10)}, {N, N, 50.0 - 0.0, 0.0 - 50.0}},
        {"p 1 has no deviation", "Cci", {1}, {base, bar(9, 30, 1, 20), bar(5, 6, 4, 5)}, {0.0, 0.0, 0.0}},
        {"seven flat candles at 0.1", "Cci", {7}, Candles(9, flat(0.1)), {N, 0.0, 0.0, 0.0}},
        {"flat candles at 0.1", "StochasticCci", {7}, Candles(15, flat(0.1)), {N, 50.0, 50.0, 50.0}},
        // CCIs +0, 25, -0 (a typical price of -0 on a mean of +0): the least is the older zero,
        // +0, and -0 - +0 is -0.
        {"oldest of equal zeros is the least", "StochasticCci", {3},
         {flat(8), flat(-6), flat(1), flat(-1), flat(-0.0)}, {N, -0.0}},
        {"flat candles at 0.1", "AdaptiveCci", {7}, Candles(9, flat(0.1)), {N, 0.0, 0.0, 0.0}},
        {"flat candles at -1/3", "AdaptiveCci", {3}, Candles(9, flat(-1.0 / 3.0)), {0.0, 0.0, 0.0}},
        // +-0.5e308 sum to 0 but deviate by 2e308 in all: no value, not a CCI of 0.
        {"deviation beyond the doubles", "Cci", {4}, apart, {N}},
        {"deviation beyond the doubles", "AdaptiveCci", {4}, apart, {N}},
    };
    expect_candle_pins(pins);
}

// A valid candle whose high + low overflows has no typical price: refused, changing nothing.
TEST(AroonCciTest, CandlesWithoutTypicalPriceAreRefused) {
    for (const char* type : {"Cci", "StochasticCci", "AdaptiveCci"})
        for (std::size_t at : {2u, 30u, 79u})
            expect_candles_refused(type, {5}, varied_candles(80, 8, false), at, {bar(1.5e308, 1.7e308, 1.5e308, 1.5e308)});
}

}  // namespace
}  // namespace prynox
