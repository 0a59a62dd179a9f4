// The regression family's numbers: each type, built through the registry, against a plain
// least-squares fit of each window (bit for bit on the bars where the running sums have just been
// rebuilt, and for the types that refit their window on every bar); zero closes; flat
// windows after variation; fits that overflow; lengths far beyond the data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <tuple>
#include <vector>

#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using namespace test;
using Vec = std::vector<double>;
using P = std::vector<double>;
constexpr auto none = std::nullopt;

// ------------------------------------------------------------------ references

std::size_t len(double p) { return static_cast<std::size_t>(p); }
// Sx = N (N - 1) / 2 and Den = N (sum of i^2) - Sx^2 over the positions 0 .. N - 1.
double sum_x(double n) { return ((n - 1) * n) * 0.5; }
double den_of(double n) { return ((n - 1) * n) * (2 * n - 1) / 6 * n - sum_x(n) * sum_x(n); }

enum What { Line, Slope, Intercept, Forecast, Angle, RSquared, LineOscillator, ForecastOscillator };

// The line of each window from the deviations d around its mean K (positions i from 0):
// b = (N sum(i d) - Sx sum(d)) / Den, a = K + (sum(d) - Sx b) / N; a flat window is the flat line
// through its value. The oscillators repeat their last value on a close of 0.
template <What kWhat>
Series fit(const Vec& xs, const P& p) {
    const std::size_t n = len(p[0]);
    const double N = p[0], sx = sum_x(N), den = den_of(N);
    Series out(xs.size());
    std::optional<double> last;
    for (std::size_t t = n - 1; t < xs.size(); ++t) {
        double k = 0, sy = 0, sxy = 0, syy = 0, x = xs[t];
        for (std::size_t i = t + 1 - n; i <= t; ++i) k += xs[i];
        k /= N;
        for (std::size_t i = 0; i < n; ++i) {
            double d = xs[t + 1 - n + i] - k;
            sy = sy + d, syy = d * d + syy, sxy = static_cast<double>(i) * d + sxy;
        }
        bool flat = flat_window(xs, t, n);
        double b = flat ? 0.0 : (sxy * N - sx * sy) / den, a = flat ? x : k + (sy - sx * b) / N;
        double total = std::max(syy - (sy / N) * ((sy / N) * N), 0.0), line = (N - 1) * b + a, forecast = b * N + a;
        if (x != 0) last = ((x - (kWhat == LineOscillator ? line : forecast)) * 100) / x;
        double r2 = flat || total <= 0 ? 1.0 : std::clamp((den / N) * (b * b) / total, 0.0, 1.0);
        const std::optional<double> v[] = {line, b, a, forecast, std::atan(b) * 57.29577951308232, r2, last, last};
        out[t] = v[kWhat];
    }
    return out;
}

// From the oldest close K: mean m of y - K, slope from the centred positions, squared residuals.
Series standard_error(const Vec& xs, const P& p) {
    const std::size_t n = len(p[0]);
    const double N = p[0], den = den_of(N), mid = (N - 1) * 0.5;
    Series out(xs.size());
    for (std::size_t t = n - 1; t < xs.size(); ++t) {
        const double *y = &xs[t + 1 - n], k = y[0];
        double sum = 0, sxy = 0, sse = 0;
        for (std::size_t i = 0; i < n; ++i) sum += y[i] - k;
        for (std::size_t i = 0; i < n; ++i) sxy += (i - mid) * ((y[i] - k) - sum / N);
        for (std::size_t i = 0; i < n; ++i) {
            double e = ((y[i] - k) - sum / N) - sxy / (den / N) * (i - mid);
            sse += e * e;
        }
        out[t] = std::sqrt(sse / (N - 2));
    }
    return out;
}

// The correlation of the closes with their positions; 0 on a flat window.
Series correlation_trend(const Vec& xs, const P& p) {
    const std::size_t n = len(p[0]);
    const double N = p[0];
    Series out(xs.size());
    for (std::size_t t = n - 1; t < xs.size(); ++t) {
        double sum = -0.0, sy = 0, syy = 0, sxy = 0;
        for (std::size_t i = t + 1 - n; i <= t; ++i) sum += xs[i];
        for (std::size_t i = 0; i < n; ++i) {
            double d = xs[t + 1 - n + i] - sum / N;
            sy += d, syy += d * d, sxy += static_cast<double>(i) * d;
        }
        double den = den_of(N) * (syy * N - sy * sy), r = (sxy * N - sum_x(N) * sy) / std::sqrt(den);
        out[t] = flat_window(xs, t, n) || den == 0 ? 0.0 : std::clamp(r, -1.0, 1.0);
    }
    return out;
}

// ------------------------------------------------------------------ the table

TEST(RegressionTest, NumbersAgainstPlainFits) {
    // rel 0: bit for bit; `resum`: also bit for bit on the bars where the window re-anchors.
    struct Row { const char* type; Series (*reference)(const Vec&, const P&); double rel; bool resum; };
    const Row rows[] = {
        {"LinearRegression", fit<Line>, 1e-10, true},        {"LinRegSlope", fit<Slope>, 1e-10, true},
        {"LinRegIntercept", fit<Intercept>, 1e-10, true},    {"Tsf", fit<Forecast>, 1e-10, true},
        {"LinRegAngle", fit<Angle>, 1e-10, false},           {"RSquared", fit<RSquared>, 1e-10, true},
        {"Cfo", fit<LineOscillator>, 1e-10, false},          {"TsfOscillator", fit<ForecastOscillator>, 1e-10, false},
        {"StandardError", standard_error, 0, false},        {"CorrelationTrendIndicator", correlation_trend, 0, false},
    };
    const Vec xs = table_closes();
    for (const Row& r : rows)
        for (double n : {2, 3, 5, 14, 30}) {
            if (n == 2 && r.type == std::string_view("StandardError")) continue;
            SCOPED_TRACE(describe(r.type, {n}));
            expect_series(run_built(r.type, {n}, xs), r.reference(xs, {n}),
                          [&](std::size_t i) { return r.rel == 0 || (r.resum && (i + 1) % len(n) == 0) ? 0.0 : r.rel; });
        }
}

TEST(RegressionTest, ZeroClosesRepeatTheLastPercentage) {
    // A close of 0 repeats the previous result (none before the first); the window still takes it.
    EXPECT_EQ(run_built("Cfo", {2}, {1, 2, 0}), (Series{none, 0.0, 0.0}));
    EXPECT_EQ(run_built("TsfOscillator", {2}, {1, 0, 1}), (Series{none, none, (1.0 - 2.0) * 100.0}));
}

TEST(RegressionTest, FlatWindowsAfterVariationGiveTheirFixedValues) {
    // Values whose running sums keep a residue after re-anchoring; NaN stands for the level itself.
    const double level_itself = std::numeric_limits<double>::quiet_NaN();
    const std::pair<const char*, double> cases[] = {
        {"LinRegSlope", 0.0}, {"LinRegAngle", 0.0},      {"LinearRegression", level_itself},
        {"LinRegIntercept", level_itself},               {"Tsf", level_itself},   {"RSquared", 1.0},
        {"CorrelationTrendIndicator", 0.0},              {"StandardError", 0.0},  {"Cfo", 0.0}, {"TsfOscillator", 0.0},
    };
    for (auto [type, value] : cases)
        for (double level : {0.1, 0.0, -1.0 / 3.0, 103.7, 1e-300})
            for (double n : {2, 3, 7, 20}) {
                bool percent = type == std::string_view("Cfo") || type == std::string_view("TsfOscillator");
                if ((n == 2 && type == std::string_view("StandardError")) || (level == 0 && percent)) continue;
                Vec xs;
                for (int k = 0; k < 57; ++k) xs.push_back(0.1 * (k % 7) + 0.3 * (k % 3));
                xs.insert(xs.end(), 3 * static_cast<std::size_t>(n), level);
                Series s = run_built(type, {n}, xs);
                for (std::size_t i = 56 + static_cast<std::size_t>(n); i < xs.size(); ++i)
                    ASSERT_TRUE(s[i] && *s[i] == (std::isnan(value) ? level : value)) << type << n << " " << level;
            }
}

TEST(RegressionTest, OverflowingFitsGiveNoValueAndRecover) {
    // Closes a whole double range apart overflow the sums: no value rather than inf or NaN, and
    // the fits come back once those closes have left the window.
    const Vec wide = {-1.7e308, 1.7e308, -1.7e308, 1, 2, 3, 4, 5, 6};
    for (auto [type, n, last] : {std::tuple{"LinRegSlope", 2.0, 1.0}, {"CorrelationTrendIndicator", 2.0, 1.0},
                                 {"StandardError", 3.0, 0.0}}) {
        Series s = run_built(type, {n}, wide);
        EXPECT_TRUE(!s[2] && s.back() == last) << type;
    }
    EXPECT_EQ(run_built("Cfo", {2}, {1, 2, -1.7e308, 1.7e308}), (Series{none, 0.0, none, none}));
    // Squared deviations beyond the largest double measure no correlation (not 0).
    EXPECT_EQ(run_built("CorrelationTrendIndicator", {2}, {0, 1e155, 1, 2}), (Series{none, none, none, 1.0}));
}

TEST(RegressionTest, LengthsFarBeyondTheDataCostOnlyTheDataSeen) {
    for (const char* type : {"LinearRegression", "LinRegSlope", "LinRegAngle", "LinRegIntercept", "Tsf", "RSquared",
                             "Cfo", "TsfOscillator", "StandardError", "CorrelationTrendIndicator"})
        expect_lengths_beyond_data(type, {16777216}, 16777216);
}

}  // namespace
}  // namespace prynox
