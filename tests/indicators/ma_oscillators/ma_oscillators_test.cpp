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

// combine(fast, slow) of the fast and slow averages, which both report the close while every
// close so far is the same.
Series pair(const Vec& xs, std::size_t f, std::size_t s, double (*combine)(double, double)) {
    Series fast = ema_of(lift(xs), f), slow = ema_of(lift(xs), s), out(xs.size());
    for (std::size_t i = 0, constant = 1; i < xs.size(); ++i) {
        constant = constant && same_bits(xs[i], xs[0]);
        if (fast[i] && slow[i]) out[i] = constant ? combine(xs[i], xs[i]) : combine(*fast[i], *slow[i]);
    }
    return out;
}
Series histogram(const Series& line, std::size_t g) { return zip(line, ema_of(line, g), minus); }

// Each value against the last c present values, (v - low) * 100 / (high - low) or 0 for a flat
// window, smoothed by the factor.
Series stochastic(const Series& in, std::size_t c, double factor) {
    double v = kNaN;
    return through(in, [&](const Vec& xs) {
        return windows(xs, c, [&](W w) {
            const auto [lo, hi] = std::minmax_element(w.begin(), w.end());
            const double k = *hi > *lo ? ((w.back() - *lo) * 100.0) / (*hi - *lo) : 0.0;
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
    {"Apo", {{1, 2}, {3, 5}, {12, 26}, {5, 35}}, [](const Vec& x, const Vec& p) { return pair(x, p[0], p[1], minus); }},
    {"Ppo", {{1, 2}, {3, 5}, {12, 26}}, [](const Vec& x, const Vec& p) { return pair(x, p[0], p[1], percent); }},
    {"MacdHistogram", {{1, 2, 1}, {3, 5, 4}, {12, 26, 9}, {2, 3, 20}},
     [](const Vec& x, const Vec& p) { return histogram(pair(x, p[0], p[1], minus), p[2]); }},
    {"PpoHistogram", {{1, 2, 1}, {3, 5, 4}, {12, 26, 9}, {2, 3, 20}},
     [](const Vec& x, const Vec& p) { return histogram(pair(x, p[0], p[1], percent), p[2]); }},
    {"Stc", {{23, 50, 10, 0.5}, {3, 7, 1, 1.0}, {2, 5, 4, 0.25}, {5, 12, 30, 0.8}}, [](const Vec& x, const Vec& p) {
         return stochastic(stochastic(pair(x, p[0], p[1], minus), p[2], p[3]), p[2], p[3]);
     }},
    {"Trix", {{1}, {2}, {5}, {15}}, [](const Vec& x, const Vec& p) {
         const Series e3 = ema_of(ema_of(ema_of(lift(x), p[0]), p[0]), p[0]);
         return successive(e3, [](double previous, double e) { return percent(e, previous); });
     }},
    {"Tsi", {{1, 1}, {25, 13}, {3, 9}, {13, 2}}, [](const Vec& x, const Vec& p) {
         const Series m = successive(lift(x), [](double previous, double c) { return c - previous; });
         const Series a = successive(lift(x), [](double previous, double c) { return std::fabs(c - previous); });
         return zip(ema_of(ema_of(m, p[0]), p[1]), ema_of(ema_of(a, p[0]), p[1]),
                    [](double a2, double b2) { return b2 == 0 ? 0.0 : (a2 * 100.0) / b2; });
     }},
    {"ElderImpulse", {{13, 12, 26, 9}, {40, 3, 6, 2}, {1, 1, 2, 2}, {5, 4, 8, 3}}, [](const Vec& x, const Vec& p) {
         Series trend = ema_of(lift(x), p[0]), h = histogram(pair(x, p[1], p[2], minus), p[3]), out(x.size());
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
    // A flat start, then a walk with jumps and flat runs; and constant series, which give
    // exactly 0 although their seed means differ from the constant in the last bit for some
    // periods.
    Vec walk(30, 0.1);
    for (double x : accepted(closes_with_flat_runs())) walk.push_back(x);
    std::vector<Vec> series = {walk};
    for (double x : {0.1, 103.25, 1.0 / 3.0, -7.7, 0.0, 1e300}) series.push_back(Vec(120, x));
    for (const auto& f : kFormulas)
        for (const Vec& p : f.params)
            for (const Vec& xs : series) expect_recomputed(f.type, p, xs, f.ref(xs, p));
    // The fast stage of period 1 is the close; the slow one is seeded with the mean 2.
    expect_worked("Apo", {1, 2}, {1, 3}, {kNaN, 1});
}

TEST(MaOscillatorTest, HugeClosesDoNotPoisonStc) {
    // MACD values so far apart that ((m - lo) * 100) / (hi - lo) overflows: those bars give
    // nothing and the smoothed lines stay finite, so values return with ordinary closes.
    Vec xs = {1.0, 2.0, 1.7e308, 1.7e308, 1.7e308, -1.7e308, 1.7e308};
    for (int i = 0; i < 20; ++i) xs.push_back(3.0 + (i % 3));
    const Series got = run_built("Stc", {1, 2, 2, 0.5}, xs);
    EXPECT_FALSE(got[6]);  // MACD -1.1e308 then +0.76e308
    for (std::size_t i = 0; i < xs.size(); ++i)
        EXPECT_TRUE(i < xs.size() - 8 ? !got[i] || std::isfinite(*got[i]) : got[i].has_value()) << i;
}

TEST(MaOscillatorTest, HugeCycleGrowsWithTheData) {
    const std::pair<EntryCase, std::uint64_t> cases[] = {{{"Stc", {2, 3, 100000000, 0.5}}, 3u + 200000000u - 2u},
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
