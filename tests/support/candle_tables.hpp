#pragma once
// Table runners of the candle families: each formula against its plain recomputation over the
// accepted candles of every set, and the last values of short candle runs, exactly.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "indicators/directional_movement/candle_runs.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox::test {

using Vec = std::vector<double>;
inline constexpr std::optional<double> N = std::nullopt;

inline std::size_t at(const Vec& p, std::size_t i) { return static_cast<std::size_t>(p[i]); }

// Sum of x over the n values up to t, oldest first.
inline double window_sum(const Vec& x, std::size_t t, std::size_t n) {
    double s = 0.0;
    for (std::size_t i = t + 1 - n; i <= t; ++i) s += x[i];
    return s;
}

// Highest high and lowest low of the n candles up to t.
inline std::pair<double, double> extremes(const Candles& c, std::size_t t, std::size_t n) {
    double hh = c[t].high, ll = c[t].low;
    for (std::size_t i = t + 1 - n; i < t; ++i) hh = std::max(hh, c[i].high), ll = std::min(ll, c[i].low);
    return {hh, ll};
}

inline Candles joined(std::initializer_list<Candles> parts) {
    Candles out;
    for (const Candles& c : parts) out.insert(out.end(), c.begin(), c.end());
    return out;
}

// A window far beyond the data: it builds, reports `warmup` (saturated) and gives nothing.
inline void expect_unbounded(const std::string& type, const Vec& params, std::uint64_t warmup) {
    std::uint64_t got = 0;
    EXPECT_EQ(first_value_bar(run_candles(type, params, varied_candles(500, 3, false), &got)), 0u) << describe(type, params);
    EXPECT_EQ(got, warmup) << describe(type, params);
}

struct CandleFormula {
    const char* type;
    std::vector<Vec> params;
    Series (*ref)(const Candles&, const Vec&);
    double tol = 0.0;
};

inline void expect_candle_formulas(const std::vector<Candles>& sets, std::span<const CandleFormula> formulas) {
    for (const Candles& bars : sets) {
        const Candles ok = accepted_candles(bars);
        for (const CandleFormula& f : formulas)
            for (const Vec& p : f.params)
                expect_series(run_candles(f.type, p, bars), on_accepted(bars, f.ref(ok, p)), f.tol, describe(f.type, p));
    }
}

struct CandlePin {
    const char* what;
    std::string type;
    Vec params;
    Candles bars;
    Series last;  // the values of the last bars, exactly
};

inline void expect_candle_pins(std::span<const CandlePin> pins) {
    for (const CandlePin& w : pins) {
        const Series got = run_candles(w.type, w.params, w.bars);
        ASSERT_GE(got.size(), w.last.size()) << w.what;
        expect_series(Series(got.end() - static_cast<std::ptrdiff_t>(w.last.size()), got.end()), w.last, 0.0,
                      std::string(w.what) + " (" + describe(w.type, w.params) + ")");
    }
}

}  // namespace prynox::test
