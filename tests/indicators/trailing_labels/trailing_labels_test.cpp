// The trailing stops and the trend and regime labels against plain recomputations, the worked
// examples, degenerate windows, and closes whose levels, returns or sums leave the doubles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

#include "indicators/trailing_labels/percentage_trailing_stop.hpp"
#include "indicators/trailing_labels/renko_trailing_stop.hpp"
#include "indicators/trailing_labels/step_trailing_stop.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using namespace test;
using Vec = std::vector<double>;
using W = std::span<const double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Long at the first level below; a strict crossing flips to the level on the other side.
template <class Below, class Above>
Series flipping(const Vec& xs, Below below, Above above) {
    Series out{below(xs[0])};
    bool is_long = true;
    for (std::size_t i = 1; i < xs.size(); ++i) {
        const double x = xs[i], stop = *out.back();
        const bool flip = is_long ? x < stop : x > stop;
        is_long = is_long != flip;
        out.push_back(flip    ? (is_long ? below(x) : above(x))
                      : is_long ? std::max(stop, below(x))
                                : std::min(stop, above(x)));
    }
    return out;
}

// One brick b behind an anchor that moves in whole bricks; more than a brick against the
// direction flips it and re-anchors at the close.
Series renko(const Vec& xs, double b) {
    Series out;
    double anchor = xs[0];
    bool is_long = true;
    for (double x : xs) {
        const double k = std::floor((is_long ? x - anchor : anchor - x) / b);
        const bool flip = is_long ? x < anchor - b : x > anchor + b;
        anchor = flip ? x : k < 1 ? anchor : is_long ? anchor + b * k : anchor - b * k;
        is_long = is_long != flip;
        out.push_back(is_long ? anchor - b : anchor + b);
    }
    return out;
}

// A constant window is flat whatever its deviations from a rounded mean say.
bool constant(W w) { return std::all_of(w.begin(), w.end(), [&](double v) { return same_bits(v, w[0]); }); }

// The sign of the sum of (i - (n - 1) / 2)(x_i - m), the mean m summed from -0.0.
double trend(W w) {
    const double n = double(w.size()), m = std::accumulate(w.begin(), w.end(), -0.0) / n;
    double s = 0.0;
    for (std::size_t i = 0; i < w.size(); ++i) s += (double(i) - (n - 1) * 0.5) * (w[i] - m);
    return constant(w) ? 0.0 : double((s > 0) - (s < 0));
}

// Signed r^2 of the closes against their positions, 0 without spread, none when the sums
// overflow.
std::optional<double> strength(W w) {
    const double n = double(w.size()), m = std::accumulate(w.begin(), w.end(), -0.0) / n;
    double sx = 0, sxx = 0, sy = 0, syy = 0, sxy = 0;
    for (std::size_t k = 0; k < w.size(); ++k) {
        const double i = double(k), y = w[k] - m;
        sx += i, sxx += i * i, sy += y, syy += y * y, sxy += i * y;
    }
    const double dy = std::fma(n, syy, -(sy * sy)), dx = std::fma(n, sxx, -(sx * sx)), c = std::fma(n, sxy, sx * (-sy));
    const double r2 = (c * c) / (dy * dx);
    return dy <= 0 ? 0.0 : std::isfinite(r2) ? std::optional((c < 0 ? -1 : 1) * r2) : std::nullopt;
}

// Two-pass sample deviations of the last v log returns, ranked among the last l: labels, or NaN
// where the deviation sits within rounding of a quartile (the moment sums of the type may fall
// on either side). Closes that are not positive are skipped whole; one whose ratio to the
// previous overflows or underflows has no return, but the next return is taken from it.
Series regime(const Vec& closes, std::size_t v, std::size_t l) {
    Series returns(closes.size());
    double previous = kNaN;  // the last positive close
    for (std::size_t i = 0; i < closes.size(); ++i) {
        const double r = std::log(closes[i] / previous);
        if (!(closes[i] > 0)) continue;
        if (!std::isnan(previous) && std::isfinite(r)) returns[i] = r;
        previous = closes[i];
    }
    const Series sigmas = through(returns, [v](const Vec& rs) {
        return windows(rs, v, [v](W w) {
            const double mean = std::accumulate(w.begin(), w.end(), 0.0) / double(v);
            double ss = 0;
            for (double r : w) ss += (r - mean) * (r - mean);
            return std::sqrt(ss / double(v - 1));
        });
    });
    return through(sigmas, [l](const Vec& s) {
        return windows(s, l, [l](W w) {
            Vec v(w.begin(), w.end());
            std::sort(v.begin(), v.end());
            auto quantile = [&](double q) {
                const double t = double(l - 1) * q;
                const std::size_t i = std::size_t(t);
                return i >= l - 1 ? v.back() : v[i] + (t - double(i)) * (v[i + 1] - v[i]);
            };
            const double q25 = quantile(0.25), q75 = quantile(0.75), x = w.back(), tol = 1e-9 * v.back();
            if (std::fabs(x - q25) <= tol || std::fabs(x - q75) <= tol) return kNaN;
            return x < q25 ? -1.0 : (x > q75 ? 1.0 : 0.0);
        });
    });
}

const struct {
    const char* type;
    std::vector<Vec> params;
    Series (*ref)(const Vec& x, const Vec& p);
} kFormulas[] = {
    {"PercentageTrailingStop", {{0.5}, {2.5}, {10}}, [](const Vec& x, const Vec& p) {
         auto d = [p = p[0]](double c) { return (std::fabs(c) * p) / 100.0; };
         return flipping(x, [&](double c) { return c - d(c); }, [&](double c) { return c + d(c); });
     }},
    {"StepTrailingStop", {{0.25}, {1.5}, {7}}, [](const Vec& x, const Vec& p) {
         return flipping(x, [s = p[0]](double c) { return s * std::floor((c - s) / s); },
                         [s = p[0]](double c) { return s * std::ceil((c + s) / s); });
     }},
    {"RenkoTrailingStop", {{0.3}, {2}, {5}}, [](const Vec& x, const Vec& p) { return renko(x, p[0]); }},
    {"TrendLabel", {{2}, {3}, {10}, {31}},
     [](const Vec& x, const Vec& p) { return windows(x, std::size_t(p[0]), trend); }},
    {"TrendStrengthIndex", {{2}, {3}, {10}, {31}}, [](const Vec& x, const Vec& p) {
         return windows(x, std::size_t(p[0]), [](W w) { return constant(w) ? 0.0 : strength(w); });
     }},
    {"RegimeLabel", {{2, 2}, {5, 8}, {20, 50}, {14, 3}},
     [](const Vec& x, const Vec& p) { return regime(x, std::size_t(p[0]), std::size_t(p[1])); }},
};

TEST(TrailingLabelTest, EachTypeAgainstItsPlainRecomputation) {
    // Closes whose ratio to the previous one overflows (1e300 after 1e-300) or underflows to 0.
    Vec xs = accepted(closes_with_flat_runs());
    xs.insert(xs.begin() + 70, {1e-300, 1e300});
    xs.insert(xs.begin() + 100, 5e-324);
    for (const auto& f : kFormulas)
        for (const Vec& p : f.params) expect_recomputed(f.type, p, xs, f.ref(xs, p));
}

TEST(TrailingLabelTest, WorkedExamples) {
    const std::nullopt_t no = std::nullopt;
    const std::vector<Pin> cases = {
        {"PercentageTrailingStop", {10}, {100, 105, 90}, {90, 94.5, 99}},
        {"StepTrailingStop", {5}, {103, 112, 100}, {95, 105, 105}},
        {"RenkoTrailingStop", {2}, {10, 11, 14.5, 9}, {8, 8, 12, 11}},
        // A fall of exactly one brick is not a reversal: the stop stays long, anchored at 10.
        {"RenkoTrailingStop", {1}, {10, 9, 8}, {9, 9, 9}},
        // A close equal to the stop keeps the direction; short, the stop only falls, and a close
        // above it flips back to long.
        {"PercentageTrailingStop", {10}, {100, 90, 80}, {90, 90, 88}},
        {"StepTrailingStop", {5}, {103, 90, 80, 96, 101}, {95, 95, 85, 90, 95}},
        // |x| p overflows: no first level until a close fits; a level that is not the new stop
        // may overflow freely.
        {"PercentageTrailingStop", {200}, {1.7e308, 100, 1.7e308, 50}, {no, -100, -100, -50}},
        // A flip to short whose level would be +inf leaves the stop long where it was.
        {"PercentageTrailingStop", {1e10}, {1, -1e300, 5}, {-99999999, no, -99999999}},
        // A grid index that overflows; a brick beyond the doubles; an anchor that would move 1e310
        // bricks.
        {"StepTrailingStop", {1e-300}, {1e10, 1}, {no, 1e-300 * std::floor((1 - 1e-300) / 1e-300)}},
        {"RenkoTrailingStop", {1e308}, {-1.7e308, 5}, {no, 5 - 1e308}},
        {"RenkoTrailingStop", {1e-300}, {0, 1e10, 0}, {-1e-300, no, -1e-300}},
        {"TrendStrengthIndex", {5}, {1, 2, 3, 4, 5}, {no, no, no, no, 1}},
        {"TrendStrengthIndex", {5}, {5, 4, 3, 2, 1}, {no, no, no, no, -1}},
        {"TrendLabel", {3}, {1, 2, 3, 3, 3, 3, 2, 0.1, 0.1, 0.1}, {no, no, 1, 1, 0, 0, -1, -1, -1, 0}},
        // A burst of volatility ranks high, the calm after it low.
        {"RegimeLabel", {2, 3}, {100, 101, 102, 103, 110, 111, 112, 113}, {no, no, no, no, 1, 1, -1, -1}},
        // 1e300 / 1e-300 has no finite log; the returns after it are taken from 1e300: ln 2 each
        // time, no spread in either window.
        {"RegimeLabel", {2, 2}, {1e-300, 1e300, 2e300, 4e300, 8e300}, {no, no, no, no, 0}},
    };
    expect_pins(cases);
}

TEST(TrailingLabelTest, ConstantWindowsAreFlatExactly) {
    // Over 300001 copies of 0.0374 the deviations from the rounded mean leave a residue in the
    // plain sums; a constant window has no spread all the same. Closes doubling every bar after
    // variation have one log return, ln 2, and no volatility, although the sums anchored before
    // the doubling began leave a residue.
    const Vec flat(300001, 0.0374);
    EXPECT_NE(*strength(flat), 0.0);
    EXPECT_EQ(run_built("TrendStrengthIndex", {300001}, flat).back(), 0.0);
    Vec doubling = varied_closes(6, 1, false);
    for (int k = 0; k < 60; ++k) doubling.push_back(doubling.back() * 2);
    const Series labels = run_built("RegimeLabel", {10, 4}, doubling);
    EXPECT_TRUE(std::all_of(labels.begin() + 20, labels.end(), [](auto v) { return v == 0.0; }));
}

TEST(TrailingLabelTest, ConstructorChecksTheReadersLeaveNothingFor) {
    for (double bad : {kNaN, std::numeric_limits<double>::infinity()})
        for (const auto& e : {PercentageTrailingStop::create(bad).error(), RenkoTrailingStop::create(bad).error(),
                              StepTrailingStop::create(bad).error()})
            EXPECT_EQ(e.display(), "multiplier must be greater than zero");
}

}  // namespace
}  // namespace prynox
