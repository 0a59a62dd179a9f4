// The Aroon and CCI oscillators, built from the registry and fed candles, against plain
// recomputations over the accepted candles; their worked edge cases; flat windows; candles
// whose typical price or sums leave the doubles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "indicators/directional_movement/candle_runs.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::bar;
using test::Candles;
using test::flat;
using test::Series;
using Vec = std::vector<double>;

double tp_of(const Candle& c) { return ((c.high + c.low) + c.close) / 3.0; }

bool all_equal(const Vec& x, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i)
        if (!test::same_bits(x[i], x[to])) return false;
    return true;
}

// Position of the highest high and of the lowest low among the p + 1 last candles (the newest of
// equal ones), each as 100 * position / p.
Series ref_aroon(const Candles& cs, std::size_t p) {
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

// The mean from a running sum (the leaving value out, the new one in) recomputed from the window,
// oldest first, on every p-th candle, and whenever it is not finite; a window of p equal typical
// prices has no deviation; no value where the sum or deviation is beyond the doubles.
Series ref_cci(const Candles& cs, std::size_t p) {
    Vec x;
    for (const Candle& c : cs) x.push_back(tp_of(c));
    Series out(cs.size());
    double sum = 0.0;
    const auto window_sum = [&x, p](std::size_t t) {
        double s = 0.0;
        for (std::size_t i = t + 1 > p ? t + 1 - p : 0; i <= t; ++i) s += x[i];
        return s;
    };
    for (std::size_t t = 0, pushes = 0; t < x.size(); ++t) {
        if (t >= p) sum -= x[t - p];
        sum += x[t];
        if (++pushes == p) {
            sum = window_sum(t);
            pushes = 0;
        } else if (!std::isfinite(sum)) {
            sum = window_sum(t);
        }
        if (t + 1 < p) continue;
        if (all_equal(x, t + 1 - p, t)) {
            out[t] = 0.0;
            continue;
        }
        const double mean = sum / p;
        double dev = 0.0;
        for (std::size_t i = t + 1 - p; i <= t; ++i) dev += std::fabs(x[i] - mean);
        const double md = dev / p, value = (x[t] - mean) / (md * 0.015);
        if (md == 0.0) out[t] = 0.0;
        else if (std::isfinite(value) && std::isfinite(md)) out[t] = value;
    }
    return out;
}

Series ref_stochastic_cci(const Candles& cs, std::size_t p) {
    return test::through(ref_cci(cs, p), [p](const Vec& v) {
        return test::windows(v, p, [](std::span<const double> w) {
            double lo = w[0], hi = w[0];
            for (double c : w) lo = std::min(lo, c), hi = std::max(hi, c);
            return hi == lo ? 50.0 : (w.back() - lo) / (hi - lo) * 100.0;
        });
    });
}

Series ref_adaptive_cci(const Candles& cs, std::size_t p) {
    Vec x;
    for (const Candle& c : cs) x.push_back(tp_of(c));
    Series out(cs.size());
    std::optional<double> mean;
    for (std::size_t t = p - 1; t < x.size(); ++t) {
        const std::size_t f = t + 1 - p;
        double path = 0.0;
        for (std::size_t i = f + 1; i <= t; ++i) path += std::fabs(x[i] - x[i - 1]);
        double alpha = (2.0 / 31.0) * (2.0 / 31.0);
        if (path > 0.0) {
            const double sc = std::min(std::fabs(x[t] - x[f]) / path, 1.0) * (2.0 / 3.0 - 2.0 / 31.0) + 2.0 / 31.0;
            alpha = sc * sc;
        }
        double m = 0.0;
        if (mean) {
            m = *mean + alpha * (x[t] - *mean);
        } else {
            double sum = 0.0;
            for (std::size_t i = f; i <= t; ++i) sum += x[i];
            m = all_equal(x, f, t) ? x[t] : sum / p;  // p equal prices seed their own value
        }
        if (!std::isfinite(m)) continue;  // a sum beyond the doubles seeds nothing
        mean = m;
        double dev = 0.0;
        for (std::size_t i = f; i <= t; ++i) dev += std::fabs(x[i] - m);
        const double md = dev / p, value = (x[t] - m) / (md * 0.015);
        if (!(md > 0.0)) out[t] = 0.0;
        else if (std::isfinite(value) && std::isfinite(md)) out[t] = value;
    }
    return out;
}

struct Formula {
    const char* type;
    std::vector<std::size_t> periods;
    Series (*ref)(const Candles&, std::size_t);
};

const Formula kFormulas[] = {
    {"AroonOscillator", {1, 2, 14, 50}, ref_aroon},
    {"Cci", {1, 2, 7, 20, 64}, ref_cci},
    {"StochasticCci", {1, 2, 5, 14}, ref_stochastic_cci},
    {"AdaptiveCci", {2, 3, 10, 30}, ref_adaptive_cci},
};

// Variation, then a run of flat candles at 0.1 (seven typical prices of 0.10000000000000002
// average to 0.1), then more: flat CCI windows, and stochastic windows holding them beside the
// last values of the variation.
Candles with_flat_tenths() {
    Candles out = test::varied_candles(70, 13, false);
    out.insert(out.end(), 80, flat(0.1));
    const Candles more = test::varied_candles(60, 17, false);
    out.insert(out.end(), more.begin(), more.end());
    return out;
}

TEST(AroonCciTest, MatchPlainRecomputations) {
    const std::vector<Candles> sets = {test::varied_candles(700, 5, true), test::grid_candles(400, 9),
                                       with_flat_tenths()};
    for (const Candles& bars : sets) {
        const Candles ok = test::accepted_candles(bars);
        for (const Formula& f : kFormulas)
            for (std::size_t p : f.periods) {
                const Vec params = {static_cast<double>(p)};
                test::expect_series(test::run_candles(f.type, params, bars), test::on_accepted(bars, f.ref(ok, p)), 0.0,
                                    test::describe(f.type, params));
            }
    }
}

// ------------------------------------------------------------------ worked cases

struct Worked {
    const char* what;
    std::string type;
    Vec params;
    Candles bars;
    Series last;  // the values of the last bars
};

constexpr std::optional<double> N = std::nullopt;

TEST(AroonCciTest, WorkedCases) {
    const Candle base = bar(10, 11, 9, 10);
    const std::vector<Worked> cases = {
        {"p 1, higher high and higher low", "AroonOscillator", {1}, {base, bar(11, 12, 10, 11)}, {N, 100.0}},
        {"p 1, lower high and lower low", "AroonOscillator", {1}, {base, bar(9, 10, 8, 9)}, {N, -100.0}},
        {"p 1, higher high and lower low", "AroonOscillator", {1}, {base, bar(10, 12, 8, 10)}, {N, 0.0}},
        {"p 1, equal high and low count as current", "AroonOscillator", {1}, {base, base}, {N, 0.0}},
        {"p 1, equal high, higher low", "AroonOscillator", {1}, {base, bar(10, 11, 9.5, 10)}, {N, 100.0}},
        {"highest on the oldest, lowest on the newest", "AroonOscillator", {3},
         {bar(10, 15, 9, 10), bar(10, 12, 8, 10), bar(10, 11, 8.5, 10), bar(7, 8, 6, 7)}, {-100.0}},
        {"p 1 has no deviation", "Cci", {1}, {base, bar(9, 30, 1, 20), bar(5, 6, 4, 5)}, {0.0, 0.0, 0.0}},
        {"seven flat candles at 0.1", "Cci", {7}, Candles(9, flat(0.1)), {N, 0.0, 0.0, 0.0}},
        {"flat candles at 0.1", "StochasticCci", {7}, Candles(15, flat(0.1)), {N, 50.0, 50.0, 50.0}},
        {"flat candles at 0.1", "AdaptiveCci", {7}, Candles(9, flat(0.1)), {N, 0.0, 0.0, 0.0}},
        {"flat candles at -1/3", "AdaptiveCci", {3}, Candles(9, flat(-1.0 / 3.0)), {0.0, 0.0, 0.0}},
    };
    for (const Worked& w : cases) {
        const Series got = test::run_candles(w.type, w.params, w.bars);
        ASSERT_GE(got.size(), w.last.size()) << w.what;
        test::expect_series(Series(got.end() - static_cast<std::ptrdiff_t>(w.last.size()), got.end()), w.last, 0.0,
                            std::string(w.what) + " (" + test::describe(w.type, w.params) + ")");
    }
}

// A valid candle whose high + low overflows has no typical price: refused, changing nothing.
TEST(AroonCciTest, CandlesWithoutTypicalPriceAreRefused) {
    const Candles bars = test::varied_candles(80, 8, false);
    const Candle overflowing = bar(1.5e308, 1.7e308, 1.5e308, 1.5e308);
    for (const char* type : {"Cci", "StochasticCci", "AdaptiveCci"})
        for (std::size_t at : {2u, 30u, 79u}) test::expect_candles_refused(type, {5}, bars, at, {overflowing});
}

// Typical prices near the ends of the doubles whose window sum or deviation leaves them: no value
// on those windows (never an infinity, never a deviation of inf read as a CCI of 0), and values
// again once they have left, where a refusal of the next candles would hold the window for good.
TEST(AroonCciTest, WindowsBeyondTheDoubles) {
    const Candles tail = test::varied_candles(40, 8, false);
    // -0.5e308 then 0.55e308: the running sum reaches 1.7e308, and dropping -0.5e308 overflows.
    Candles mixed = {flat(-0.5e308)};
    mixed.insert(mixed.end(), 4, flat(0.55e308));
    mixed.insert(mixed.end(), tail.begin(), tail.end());
    // 0.55e308 (and a little more, so the window is not flat): four sum beyond the doubles.
    Candles rising(3, flat(0.55e308));
    rising.push_back(flat(0.56e308));
    rising.insert(rising.end(), tail.begin(), tail.end());
    for (const Candles* bars : {&mixed, &rising}) {
        test::expect_series(test::run_candles("Cci", {5}, *bars), ref_cci(*bars, 5), 0.0, "Cci 5");
        test::expect_series(test::run_candles("StochasticCci", {5}, *bars), ref_stochastic_cci(*bars, 5), 0.0,
                            "StochasticCci 5");
        test::expect_series(test::run_candles("AdaptiveCci", {4}, *bars), ref_adaptive_cci(*bars, 4), 0.0,
                            "AdaptiveCci 4");
    }
    EXPECT_FALSE(test::run_candles("Cci", {5}, mixed)[5]);
    EXPECT_TRUE(test::run_candles("Cci", {5}, mixed).back());
    EXPECT_FALSE(test::run_candles("AdaptiveCci", {4}, rising)[3]);
    EXPECT_TRUE(test::run_candles("AdaptiveCci", {4}, rising).back());
    // Typical prices of +-0.5e308 sum to 0 but deviate by 2e308 in all: no value (not a CCI of 0).
    const Candles apart = {flat(0.5e308), flat(-0.5e308), flat(0.5e308), flat(-0.5e308)};
    for (const char* type : {"Cci", "AdaptiveCci"}) EXPECT_FALSE(test::run_candles(type, {4}, apart).back()) << type;
}

}  // namespace
}  // namespace prynox
