// The moving averages against plain recomputations of their definitions, the worked examples,
// the re-sum of the geometric average, and what huge closes and huge windows must not do.
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <string_view>
#include <vector>

#include "indicators/cores/mama.hpp"
#include "indicators/moving_averages/jma.hpp"
#include "indicators/moving_averages/t3.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using namespace test;
using Vec = std::vector<double>;
using W = std::span<const double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A walk with jumps and a flat stretch, then flat runs of 0.1, 0 and -1/3 after variation.
const Vec kCloses = accepted(closes_with_flat_runs());

// ------------------------------------------------------------------ plain building blocks

// Sums from -0.0, oldest first.
double mean(W w) { return std::accumulate(w.begin(), w.end(), -0.0) / double(w.size()); }
double linear(W w) {
    double s = -0.0, k = 0.0;
    for (double v : w) s += ++k * v;
    return s / ((k + 1.0) * k * 0.5);
}
Series sma(const Series& in, std::size_t n) { return through(in, [n](const Vec& v) { return windows(v, n, mean); }); }
Series wma(const Series& in, std::size_t n) { return through(in, [n](const Vec& v) { return windows(v, n, linear); }); }

// E1 (1 + v) - E2 v; v = 1 gives (E1 + E1) - E2 bit for bit.
Series dema(const Vec& x, std::size_t n, double v) {
    Series e1 = ema_of(lift(x), n);
    return zip(e1, ema_of(e1, n), [v](double a, double b) { return a * (1.0 + v) - b * v; });
}

Series hull(const Vec& x, std::size_t n, Series (*average)(const Series&, std::size_t)) {
    const std::size_t h = std::max<std::size_t>(n / 2, 1), r = std::max<std::size_t>(std::llround(std::sqrt(n)), 1);
    return average(zip(average(lift(x), h), average(lift(x), n), [](double a, double b) { return (a + a) - b; }), r);
}

// The mean of the first n closes, then step(x, previous, n) on each later close.
template <class F>
Series seeded(const Vec& xs, std::size_t n, F step) {
    double last = kNaN;
    return windows(xs, n, [&](W w) { return last = std::isnan(last) ? mean(w) : step(w.back(), last, double(n)); });
}

// x a + (1 - a) previous, with a = alpha(window) and the first previous the close itself.
template <class F>
Series adaptive(const Vec& xs, std::size_t n, F alpha) {
    double last = kNaN;
    return windows(xs, n, [&](W w) {
        const double a = alpha(w);
        return last = w.back() * a + (1 - a) * (std::isnan(last) ? w.back() : last);
    });
}

// Sum of w_i c_i from 0.0 over each window, oldest first, with the weights normalised.
Series weighted(const Vec& xs, const Vec& w) {
    const double total = std::accumulate(w.begin(), w.end(), -0.0);
    auto term = [total](double wi, double ci) { return wi / total * ci; };
    return windows(xs, w.size(),
                   [&](W c) { return std::inner_product(w.begin(), w.end(), c.begin(), 0.0, std::plus<>(), term); });
}

// Closes not above 0 are skipped.
Series geometric(const Vec& xs, std::size_t n) {
    Series logs(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (xs[i] > 0) logs[i] = std::log(xs[i]);
    return through(logs, [n](const Vec& v) { return windows(v, n, [](W w) { return std::exp(mean(w)); }); });
}

Series fama(const Vec& x, double fast, double slow) {
    RefHilbert h(x.size());
    double prev_phase = 0, mama = 0, fama = 0;
    Series out(x.size());
    for (std::size_t t = 0; t < x.size(); ++t) {
        const auto stage = h.step(x, t);
        if (stage == RefHilbert::Smoothing) mama = fama = h.smooth[t];
        if (stage != RefHilbert::Measured) continue;
        const double phase = std::fabs(h.i1[t]) > 0x1p-52 ? std::atan(h.q1[t] / h.i1[t]) * (180 / M_PI) : prev_phase;
        const double a = std::max(fast / std::max(prev_phase - phase, 1.0), slow);
        mama = a * x[t] + (1 - a) * mama;
        fama = fama * (1 - 0.5 * a) + 0.5 * a * mama, prev_phase = phase;
        if (t + 1 >= 33) out[t] = fama;
    }
    return out;
}

double spread(W w) { return *std::ranges::max_element(w) - *std::ranges::min_element(w); }

// ------------------------------------------------------------------ the table

constexpr double kExact = 0;
constexpr double kNear = 1e-12;     // through exp, log, sin, atan or pow
constexpr double kRunning = 1e-10;  // running sums against plain window sums

// The reference gets n, the first parameter as a count.
const struct {
    const char* type;
    std::vector<Vec> params;
    double tolerance;
    Series (*ref)(const Vec& x, std::size_t n, const Vec& p);
} kFormulas[] = {
    {"Sma", {{1}, {2}, {5}, {30}}, kRunning, [](const Vec& x, std::size_t n, const Vec&) { return sma(lift(x), n); }},
    {"Wma", {{1}, {2}, {10}, {21}}, kRunning, [](const Vec& x, std::size_t n, const Vec&) { return wma(lift(x), n); }},
    {"Trima", {{1}, {2}, {5}, {10}, {15}}, kRunning,
     [](const Vec& x, std::size_t n, const Vec&) { return sma(sma(lift(x), n - n / 2), n / 2 + 1); }},
    {"Hma", {{1}, {2}, {4}, {9}, {20}}, kRunning,
     [](const Vec& x, std::size_t n, const Vec&) { return hull(x, n, wma); }},
    {"Ehma", {{1}, {2}, {6}, {25}}, kExact, [](const Vec& x, std::size_t n, const Vec&) { return hull(x, n, ema_of); }},
    {"Ema", {{1}, {3}, {50}}, kExact, [](const Vec& x, std::size_t n, const Vec&) { return ref_ema(x, n); }},
    {"Dema", {{1}, {2}, {20}}, kExact, [](const Vec& x, std::size_t n, const Vec&) { return dema(x, n, 1.0); }},
    {"GeneralizedDema", {{1, 0.7}, {7, 0.3}, {20, 0}}, kExact,
     [](const Vec& x, std::size_t n, const Vec& p) { return dema(x, n, p[1]); }},
    {"Zlema", {{1}, {2}, {9}, {20}}, kExact, [](const Vec& x, std::size_t n, const Vec&) {
         return ema_of(windows(x, (n - 1) / 2 + 1, [](W w) { return std::fma(2.0, w.back(), -w.front()); }), n);
     }},
    {"Tema", {{1}, {2}, {7}}, kExact, [](const Vec& x, std::size_t n, const Vec&) {
         Series e1 = ema_of(lift(x), n), e2 = ema_of(e1, n);
         Series lead = zip(e1, e2, [](double a, double b) { return 3.0 * a - 3.0 * b; });
         return zip(lead, ema_of(e2, n), [](double a, double b) { return a + b; });
     }},
    {"T3", {{1, 0.7}, {3, 0.7}, {5, 0}, {5, 1}, {8, 0.35}}, kExact, [](const Vec& x, std::size_t n, const Vec& p) {
         const double v = p[1], v2 = v * v, v3 = v * (v * v);
         const double c1 = -v3, c2 = 3 * v2 + 3 * v3, c3 = (-6 * v2 - 3 * v) - 3 * v3, c4 = 3 * v2 + ((1 + 3 * v) + v3);
         Series e[7] = {lift(x)};
         for (int k = 1; k <= 6; ++k) e[k] = ema_of(e[k - 1], n);
         Series s = zip(e[6], e[5], [&](double e6, double e5) { return e6 * c1 + e5 * c2; });
         s = zip(s, e[4], [&](double a, double e4) { return a + e4 * c3; });
         return zip(s, e[3], [&](double a, double e3) { return a + e3 * c4; });
     }},
    {"Smma", {{1}, {2}, {14}}, kExact, [](const Vec& x, std::size_t n, const Vec&) {
         return seeded(x, n, [](double c, double v, double nd) { return (c + v * (nd - 1)) / nd; });
     }},
    {"McGinleyDynamic", {{1}, {3}, {14}}, kExact, [](const Vec& x, std::size_t n, const Vec&) {
         return seeded(x, n, [](double c, double v, double nd) {
             return c <= 0 || v <= 0 ? v : v + (c - v) / ((c / v) * (c / v) * ((c / v) * (c / v)) * (nd * 0.6));
         });
     }},
    {"Jma", {{7, 0, 2}, {1, 50, 1}, {14, -1000, 3}, {10, 1000, 4}}, kNear, [](const Vec& x, std::size_t, const Vec& p) {
         const double t = (p[0] - 1) * 0.45, beta = t / (t + 2), alpha = std::pow(beta, p[2]);
         const double ratio = std::clamp(p[1] / 100 + 1.5, 0.5, 2.5);
         double e0 = x[0], d0 = 0, d1 = 0;
         Series out{x[0]};
         for (std::size_t i = 1; i < x.size(); ++i) {
             e0 = x[i] * (1 - alpha) + alpha * e0;
             d0 = (x[i] - e0) * (1 - beta) + beta * d0;
             d1 = alpha * alpha * d1 + (1 - alpha) * ((1 - alpha) * (e0 + ratio * d0 - *out.back()));
             out.push_back(*out.back() + d1);
         }
         return out;
     }},
    {"HoltWinters", {{0.5, 0.3}, {1, 1}, {0.2, 0.05}}, kExact, [](const Vec& x, std::size_t, const Vec& p) {
         Series out(x.size());
         double level = x[1], trend = x[1] - x[0];
         out[1] = level + trend;
         for (std::size_t i = 2; i < x.size(); ++i) {
             const double next = p[0] * x[i] + (1 - p[0]) * (level + trend);
             trend = trend * (1 - p[1]) + p[1] * (next - level);
             out[i] = (level = next) + trend;
         }
         return out;
     }},
    {"Alma", {{9, 0.85, 6}, {1, 0.5, 1}, {20, 0, 3}, {10, 1, 0.5}}, kNear,
     [](const Vec& x, std::size_t n, const Vec& p) {
         const double m = p[1] * (p[0] - 1), s = p[0] / p[2];
         Vec w(n);
         for (std::size_t i = 0; i < n; ++i) w[i] = std::exp(-((i - m) * (i - m)) / (s * (s + s)));
         return weighted(x, w);
     }},
    {"SineWeightedMa", {{1}, {2}, {9}, {30}}, kNear, [](const Vec& x, std::size_t n, const Vec&) {
         Vec w(n);
         for (std::size_t i = 0; i < n; ++i) w[i] = std::sin((i + 1.0) * M_PI / (n + 1.0));
         return weighted(x, w);
     }},
    {"GeometricMa", {{1}, {2}, {10}, {33}}, kNear,
     [](const Vec& x, std::size_t n, const Vec&) { return geometric(x, n); }},
    {"MedianMa", {{1}, {2}, {3}, {4}, {11}, {20}}, kExact, [](const Vec& x, std::size_t n, const Vec&) {
         return windows(x, n, [n](W w) {
             Vec s(w.begin(), w.end());
             std::sort(s.begin(), s.end());
             return n % 2 ? s[n / 2] : (s[n / 2 - 1] + s[n / 2]) * 0.5;
         });
     }},
    {"MidPoint", {{1}, {2}, {11}}, kExact, [](const Vec& x, std::size_t n, const Vec&) {
         return windows(x, n, [](W w) { return (*std::ranges::max_element(w) + *std::ranges::min_element(w)) * 0.5; });
     }},
    {"Frama", {{2}, {4}, {10}, {16}}, kNear, [](const Vec& x, std::size_t n, const Vec&) {
         return adaptive(x, n, [h = n / 2](W w) {
             const double n1 = spread(w.first(h)) / h, n2 = spread(w.last(h)) / h, n3 = spread(w) / (h + h);
             const double d = (std::log(n1 + n2) - std::log(n3)) / std::log(2.0);
             return n1 > 0 && n2 > 0 && n3 > 0 ? std::clamp(std::exp(-4.6 * (d - 1)), 0.01, 1.0) : 0.01;
         });
     }},
    {"Vidya", {{9, 14}, {1, 1}, {20, 5}, {5, 30}}, kNear, [](const Vec& x, std::size_t, const Vec& p) {
         return adaptive(x, std::size_t(p[1]) + 1, [alpha = 2 / (p[0] + 1)](W w) {
             double up = 0, down = 0;
             for (std::size_t k = 1; k < w.size(); ++k) (w[k] > w[k - 1] ? up : down) += std::fabs(w[k] - w[k - 1]);
             return std::fabs(up + down == 0 ? 0 : ((up - down) * 100) / (up + down)) / 100 * alpha;
         });
     }},
    {"Kama", {{10, 2, 30}, {1, 2, 3}, {5, 1, 100}, {30, 5, 20}}, kExact, [](const Vec& x, std::size_t n, const Vec& p) {
         const double f = 2 / (p[1] + 1), s = 2 / (p[2] + 1);
         double last = kNaN;
         return windows(x, n + 1, [&](W w) {
             double path = -0.0;
             for (std::size_t k = 1; k < w.size(); ++k) path += std::fabs(w[k] - w[k - 1]);
             const double er = path == 0 ? 0 : std::fabs(w.back() - w.front()) / path, c = s + er * (f - s);
             const double prev = std::isnan(last) ? w.front() : last;
             return last = prev + c * c * (w.back() - prev);
         });
     }},
    {"Fama", {{0.5, 0.05}, {1, 1}, {0.3, 0.01}}, kNear,
     [](const Vec& x, std::size_t, const Vec& p) { return fama(x, p[0], p[1]); }},
};

TEST(MovingAverageTest, EachTypeAgainstItsPlainRecomputation) {
    for (const auto& f : kFormulas)
        for (const Vec& p : f.params)
            expect_recomputed(f.type, p, kCloses, f.ref(kCloses, std::size_t(p[0]), p), f.tolerance);
}

TEST(MovingAverageTest, GeometricMaResumsEveryNAcceptedCloses) {
    // On those bars the running sum of logarithms is the plain sum of the window, so the value
    // is exactly the plain one.
    for (std::size_t n : {2u, 7u, 33u}) {
        const Series got = run_built("GeometricMa", {double(n)}, kCloses), want = geometric(kCloses, n);
        for (std::size_t i = 0, k = 0; i < kCloses.size(); ++i)
            EXPECT_TRUE(!(kCloses[i] > 0 && ++k % n == 0) || same_bits(*got[i], *want[i])) << n << " bar " << i;
    }
}

TEST(MovingAverageTest, WorkedExamples) {
    const std::nullopt_t no = std::nullopt;
    const std::vector<Pin> cases = {
        {"McGinleyDynamic", {2}, {10, 12, 0, -5}, {no, 11, 11, 11}},
        // r = 1e-300: r^4 underflows and the step would divide by zero, so the bar is skipped.
        {"McGinleyDynamic", {1}, {1e200, 1e-100, 1e200}, {1e200, no, 1e200}},
        // A second close whose trend leaves the doubles is skipped like the first.
        {"HoltWinters", {1, 1}, {-1.7e308, 1.7e308, 1, 2}, {no, no, 1.7e308, 3}},
        {"MidPoint", {2}, {1.5e308, 1.7e308}, {no, 1.6e308}},
    };
    expect_pins(cases);
}

TEST(MovingAverageTest, HugeClosesDoNotPoisonTheState) {
    // A seed sum or a step that would leave the doubles is skipped, so that ordinary closes
    // bring finite values back.
    const double h = 1.7e308;
    Vec xs = {h, h};
    for (double x : varied_closes(60, 5, false)) xs.push_back(x);
    xs.insert(xs.end(), {h, -h, h, h, -h, -h});
    for (double x : varied_closes(100, 6, false)) xs.push_back(x);
    const TypeCase cases[] = {{"Ema", {2}}, {"Dema", {2}}, {"Tema", {3}}, {"T3", {2, 0.7}}, {"Zlema", {5}},
                               {"Ehma", {4}}, {"Smma", {2}}, {"Kama", {3, 2, 30}}, {"Frama", {4}}, {"Jma", {7, 50, 2}},
                               {"HoltWinters", {1, 1}}, {"GeneralizedDema", {2, 0.5}}, {"McGinleyDynamic", {2}},
                               {"Fama", {0.5, 0.05}}};
    for (const auto& c : cases) {
        const Series got = run_built(c.type, c.params, xs);
        // McGinley's ratio to a seed near 1e308 underflows: it rightly stays silent.
        for (std::size_t i = xs.size() - 50; i < xs.size(); ++i)
            ASSERT_TRUE(got[i] ? std::isfinite(*got[i]) : std::string_view(c.type) == "McGinleyDynamic")
                << c.type << " bar " << i;
    }
}

TEST(MovingAverageTest, HugeWindowsCostOnlyTheDataSeen) {
    // Windows (and Alma's and the sine average's weights) of the largest period hold what 500
    // closes need, measured as the C allocator's bytes in use; Kama's warm-up saturates.
    const auto in_use = [] { return double(mallinfo2().uordblks + mallinfo2().hblkhd); };
    for (const char* type : {"Sma", "Wma", "Trima", "Hma", "Zlema", "Alma", "SineWeightedMa", "GeometricMa", "MedianMa",
                             "MidPoint", "Frama", "Kama"}) {
        const double before = in_use();
        auto built = build_indicator(type, std::vector<double>{16777216, 1, 6});
        ASSERT_TRUE(built) << type;
        for (double x : varied_closes(500, 3, false)) ASSERT_FALSE(update_close(**built, x)) << type;
        EXPECT_LT(in_use() - before, 1e6) << type;
    }
    std::uint64_t warmup = 0;
    run_built("Kama", {1e300, 2, 30}, {}, &warmup);
    EXPECT_EQ(warmup, UINT64_MAX);
}

TEST(MovingAverageTest, ConstructorChecksTheReadersLeaveNothingFor) {
    // The readers refuse non-finite reals first; the constructors still check them.
    EXPECT_EQ(Jma::create(7, 2, kNaN).error().display(), "invalid period: JMA phase must be a finite value");
    EXPECT_FALSE(T3::create(5, INFINITY).has_value() || Mama::create(kNaN, 0.5).has_value());
}

TEST(MovingAverageTest, VidyaWhenTheFallsHaveLeftTheCmoWindow) {
    // The CMO of period 4 over these closes is -100 at bars 10 to 14 and 100 at bar 15 (a window
    // of flat changes and one tiny rise, whose falls have left a residue in the down sum): the
    // factor is alpha on each of those bars, and the average stays between the closes.
    Vec xs = {1.33,  1.25,  0.97,  1.11,  0.58,  1.09,  1.49,  0.59,  0.368, 0.348, 0.056999999999999995,
              -0.023000000000000007, -0.023000000000000007, -0.023000000000000007, -0.023000000000000007,
              -0.022999999999999906};
    const Series got = run_built("Vidya", {9, 4}, xs), cmo = run_built("Cmo", {4}, xs);
    const double alpha = 2.0 / 10.0;
    for (std::size_t i = 10; i < xs.size(); ++i) {
        ASSERT_TRUE(got[i] && got[i - 1] && cmo[i]) << i;
        const double k = std::fabs(*cmo[i]) / 100 * alpha;
        EXPECT_EQ(k, alpha) << i;
        EXPECT_TRUE(same_bits(*got[i], xs[i] * k + (1 - k) * *got[i - 1])) << i;
        EXPECT_TRUE(*got[i] >= -0.023000000000000007 && *got[i] <= 1.49) << i;
    }
}

}  // namespace
}  // namespace prynox
