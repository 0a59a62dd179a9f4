// The moving-average oscillators against plain recomputations over a series that starts flat
// and over constant series (where the promised answers are exact), the worked example, and what
// huge closes and a huge cycle must not do.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "indicators/ma_oscillators/stc.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using namespace test;
using Vec = std::vector<double>;
using W = std::span<const double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double minus(double a, double b) { return a - b; }
double percent(double a, double b) { return b == 0 ? 0.0 : ((a - b) * 100.0) / b; }

// The line combine(fast, slow) of the fast and slow averages, which both report the close while
// every close so far is the same.
Series line(const Vec& xs, std::size_t f, std::size_t s, double (*combine)(double, double)) {
    Series fast = ema_of(lift(xs), f), slow = ema_of(lift(xs), s), out(xs.size());
    for (std::size_t i = 0, constant = 1; i < xs.size(); ++i) {
        constant = constant && same_bits(xs[i], xs[0]);
        if (fast[i] && slow[i]) out[i] = constant ? combine(xs[i], xs[i]) : combine(*fast[i], *slow[i]);
    }
    return out;
}
// A value beyond the doubles stops the bar before the next stage.
Series finite(Series in) {
    for (auto& v : in) v = v && std::isfinite(*v) ? v : std::nullopt;
    return in;
}
Series histogram(const Series& in, std::size_t g) { return zip(finite(in), ema_of(finite(in), g), minus); }

// Each value against the last c present values, (v - low) * 100 / (high - low) or 0 for a flat
// window, smoothed by the factor; a bar whose spread overflows gives nothing.
Series stochastic(const Series& in, std::size_t c, double factor) {
    double v = kNaN;
    return through(finite(in), [&](const Vec& xs) {
        return windows(xs, c, [&](W w) -> std::optional<double> {
            const auto [lo, hi] = std::minmax_element(w.begin(), w.end());
            const double k = *hi > *lo ? ((w.back() - *lo) * 100.0) / (*hi - *lo) : 0.0;
            if (!std::isfinite(k)) return std::nullopt;
            return v = std::isnan(v) ? k : v + factor * (k - v);
        });
    });
}

// f(previous, current) over the present values of `in`, from the second on.
Series successive(const Series& in, double (*f)(double, double)) {
    return through(in, [f](const Vec& xs) { return windows(xs, 2, [f](W w) { return f(w[0], w[1]); }); });
}

const struct {
    const char* type;
    std::vector<Vec> params;
    Series (*ref)(const Vec& x, const Vec& p);
} kFormulas[] = {
    {"Apo", {{1, 2}, {1, 8}, {12, 26}, {5, 35}}, [](const Vec& x, const Vec& p) { return line(x, p[0], p[1], minus); }},
    {"Ppo", {{1, 2}, {1, 8}, {12, 26}}, [](const Vec& x, const Vec& p) { return line(x, p[0], p[1], percent); }},
    {"MacdHistogram", {{1, 2, 1}, {1, 8, 4}, {12, 26, 9}, {2, 3, 20}},
     [](const Vec& x, const Vec& p) { return histogram(line(x, p[0], p[1], minus), p[2]); }},
    {"PpoHistogram", {{1, 2, 1}, {1, 8, 4}, {12, 26, 9}, {2, 3, 20}},
     [](const Vec& x, const Vec& p) { return histogram(line(x, p[0], p[1], percent), p[2]); }},
    {"Stc", {{23, 50, 10, 0.5}, {3, 7, 1, 1.0}, {1, 8, 4, 0.25}, {5, 12, 30, 0.8}}, [](const Vec& x, const Vec& p) {
         return stochastic(stochastic(line(x, p[0], p[1], minus), p[2], p[3]), p[2], p[3]);
     }},
    {"Trix", {{1}, {2}, {5}, {15}}, [](const Vec& x, const Vec& p) {
         const Series e3 = ema_of(ema_of(ema_of(lift(x), p[0]), p[0]), p[0]);
         return successive(e3, [](double previous, double e) { return percent(e, previous); });
     }},
    {"Tsi", {{1, 1}, {25, 13}, {3, 9}, {13, 2}}, [](const Vec& x, const Vec& p) {
         const Series m = successive(lift(x), [](double previous, double c) { return c - previous; });
         const Series a = successive(lift(x), [](double previous, double c) { return std::fabs(c - previous); });
         return zip(ema_of(ema_of(finite(m), p[0]), p[1]), ema_of(ema_of(finite(a), p[0]), p[1]),
                    [](double a2, double b2) { return b2 == 0 ? 0.0 : (a2 * 100.0) / b2; });
     }},
    {"ElderImpulse", {{13, 12, 26, 9}, {40, 3, 6, 2}, {1, 1, 2, 2}, {5, 1, 8, 3}}, [](const Vec& x, const Vec& p) {
         Series trend = ema_of(lift(x), p[0]), h = histogram(line(x, p[1], p[2], minus), p[3]), out(x.size());
         std::optional<double> pt, ph;
         for (std::size_t i = 0; i < x.size(); ++i) {
             if (!trend[i] || !h[i]) continue;
             if (pt) out[i] = *h[i] > *ph && *trend[i] > *pt ? 1.0 : (*h[i] < *ph && *trend[i] < *pt ? -1.0 : 0.0);
             pt = trend[i], ph = h[i];
         }
         return out;
     }},
};

TEST(MaOscillatorTest, EachTypeAgainstItsPlainRecomputation) {
    // A flat start, then a walk with jumps and flat runs, then closes whose averages, MACD
    // values and spreads leave the doubles; and constant series, which give exactly 0 although
    // their seed means differ from the constant in the last bit for some periods.
    const double h = 1.7e308;
    Vec walk(30, 0.1);
    for (double x : accepted(closes_with_flat_runs())) walk.push_back(x);
    walk.insert(walk.end(), {h, h, h, h, h, h, h, h, h, h, -h, -h, -h, h, 1, 2, 3, 4, 5, 6, 7, 8});
    std::vector<Vec> series = {walk};
    for (double x : {0.1, 103.25, 1.0 / 3.0, -7.7, 0.0, 1e300}) series.push_back(Vec(120, x));
    for (const auto& f : kFormulas)
        for (const Vec& p : f.params)
            for (const Vec& xs : series) expect_recomputed(f.type, p, xs, f.ref(xs, p));
    // The fast stage of period 1 is the close; the slow one is seeded with the mean 2.
    expect_pins({{"Apo", {1, 2}, {1, 3}, {std::nullopt, 1}}});
}

TEST(MaOscillatorTest, HugeCycleGrowsWithTheData) {
    const std::pair<TypeCase, std::uint64_t> cases[] = {{{"Stc", {2, 3, 100000000, 0.5}}, 3u + 200000000u - 2u},
                                                         {{"Stc", {23, 50, 1e300, 0.5}}, UINT64_MAX}};
    for (const auto& [c, warmup] : cases) {
        std::uint64_t reported = 0;
        EXPECT_EQ(first_value_bar(run_built(c.type, c.params, varied_closes(300, 5, false), &reported)), 0u);
        EXPECT_EQ(reported, warmup);
    }
    // The readers refuse a non-finite factor first; the constructor still checks it.
    EXPECT_EQ(Stc::create(2, 3, 4, INFINITY).error().display(),
              "invalid period: STC factor must be a finite value in (0, 1]");
}

}  // namespace
}  // namespace prynox
