// The window statistics, built from the registry, against plain recomputations of their
// definitions over each window of a varied series with flat runs of awkward values; the worked
// cases; statistics that overflow; parameters too large for the data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "indicators/cores/total_order.hpp"
#include "indicators/window_statistics/autocorrelation.hpp"
#include "indicators/window_statistics/hurst_exponent.hpp"
#include "indicators/window_statistics/sample_entropy.hpp"
#include "indicators/window_statistics/shannon_entropy.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using Vec = std::vector<double>;
using Opt = std::optional<double>;
constexpr std::uint64_t kMaxU64 = std::numeric_limits<std::uint64_t>::max();
constexpr Opt N = std::nullopt;
// Between the bars on which the power sums are rebuilt they may drift from the plain sums.
constexpr double kDrift = 1e-5;

Opt finite(double v) { return std::isfinite(v) ? Opt(v) : N; }

double quantile(const Vec& v, double p) {
    double h = (v.size() - 1.0) * p;
    std::size_t i = static_cast<std::size_t>(std::floor(h));
    return i >= v.size() - 1 ? v.back() : v[i] + (h - i) * (v[i + 1] - v[i]);
}

double median(const Vec& v) {
    const std::size_t n = v.size();
    const double a = v[(n - 1) / 2], b = v[n / 2], half = 8.988465674311579e307;
    return n % 2 ? b : std::fabs(a) <= half && std::fabs(b) <= half ? (a + b) * 0.5 : a * 0.5 + b * 0.5;
}

// The value of a full window y (oldest first) by the definition of the type.
Opt reference(const std::string& type, const Vec& p, const Vec& y) {
    const double n = static_cast<double>(y.size()), x = y.back();
    const bool flat = std::all_of(y.begin(), y.end(), [&](double v) { return v == y[0]; });
    Vec v = y;
    std::sort(v.begin(), v.end(), total_less);
    // Power sums around the plain mean, as the anchored sums stand right after a rebuild.
    double sum = std::accumulate(y.begin(), y.end(), 0.0), mean = sum / n, s[4] = {0.0, 0.0, 0.0, 0.0};
    for (double e : y) {
        double d = e - mean, d2 = d * d;
        s[0] += d, s[1] += d2, s[2] += d2 * d, s[3] += d2 * d2;
    }
    const double m1 = s[0] / n, r2 = s[1] / n, r3 = s[2] / n, r4 = s[3] / n, q = m1 * m1;
    const double var = flat || r2 - q <= 0.0 ? 0.0 : r2 - q;
    if (type == "Variance") return finite(var);
    if (type == "StdDev") return finite(std::sqrt(var));
    if (type == "ZScore") return var == 0.0 ? 0.0 : finite((x - (mean + m1)) / std::sqrt(var));
    if (type == "CoefficientOfVariation") return mean + m1 == 0.0 ? 0.0 : finite(std::sqrt(var) / (mean + m1));
    if (type == "Skewness")
        return var == 0.0 ? 0.0 : finite((r3 - 3.0 * m1 * r2 + 2.0 * (q * m1)) / (var * std::sqrt(var)));
    if (type == "Kurtosis")
        return var == 0.0 ? 0.0 : finite((r4 - 4.0 * m1 * r3 + 6.0 * q * r2 - 3.0 * (q * q)) / (var * var) - 3.0);
    if (type == "JarqueBera") {
        if (flat || s[1] / n == 0.0) return 0.0;
        double m2 = s[1] / n, skew = r3 / (m2 * std::sqrt(m2)), excess = r4 / (m2 * m2) - 3.0;
        return finite(n / 6.0 * (skew * skew + excess * excess * 0.25));
    }
    if (type == "RollingQuantile") return finite(quantile(v, p[1]));
    if (type == "RollingIqr") return finite(quantile(v, 0.75) - quantile(v, 0.25));
    if (type == "MedianAbsoluteDeviation") {
        Vec dev;
        for (double e : y) dev.push_back(std::fabs(e - median(v)));
        std::sort(dev.begin(), dev.end(), total_less);
        return finite(median(dev));
    }
    if (type == "RollingPercentileRank") {
        double below = 0.0, equal = 0.0;
        for (double e : y) below += e < x, equal += e == x;
        return (below + equal / 2.0) / n * 100.0;
    }
    if (type == "RollingMinMaxScaler") return v.back() - v[0] <= 0.0 ? 0.5 : finite((x - v[0]) / (v.back() - v[0]));
    if (type == "Autocorrelation") {
        double den = 0.0, num = 0.0;
        const std::size_t lag = static_cast<std::size_t>(p[1]);
        for (double e : y) den += (e - sum / n) * (e - sum / n);
        for (std::size_t i = 0; i + lag < y.size(); ++i) num += (y[i] - sum / n) * (y[i + lag] - sum / n);
        return flat || den == 0.0 ? 0.0 : finite(num / den);
    }
    if (type == "DetrendedStdDev") {
        double sx = ((n - 1) * n) * 0.5, sxx = (((n - 1) * n) * (2 * n - 1) / 6 * n - sx * sx) / n, mt = (n - 1) / 2;
        double sum_z = 0.0, sxy = 0.0, sse = 0.0;
        for (double e : y) sum_z += e - y[0];
        for (std::size_t i = 0; i < y.size(); ++i) sxy += (i - mt) * ((y[i] - y[0]) - sum_z / n);
        for (std::size_t i = 0; i < y.size(); ++i) {
            double e = ((y[i] - y[0]) - sum_z / n) - sxy / sxx * (i - mt);
            sse += e * e;
        }
        return finite(std::sqrt(sse / n));
    }
    if (type == "HurstExponent") {
        // Rescaled ranges of k chunks, k = 1 .. C: a least-squares slope of ln(mean R / S) on ln s.
        double points = 0.0, sx = 0.0, sy = 0.0, sxy = 0.0, sxx = 0.0;
        for (std::size_t k = 1, size = y.size() / k; k <= p[1] && !flat; ++k, size = y.size() / k) {
            double rs = 0.0, counted = 0.0;
            for (std::size_t j = 0; j < k; ++j) {
                const double* c = &y[j * size];
                double m = std::accumulate(c, c + size, 0.0) / size, z = 0.0, lo = 0.0, hi = 0.0, ss = 0.0;
                for (std::size_t t = 0; t < size; ++t) {
                    z += c[t] - m, ss += (c[t] - m) * (c[t] - m);
                    lo = t == 0 ? z : std::min(lo, z), hi = t == 0 ? z : std::max(hi, z);
                }
                if (hi - lo != 0.0 && ss / size != 0.0) rs += (hi - lo) / std::sqrt(ss / size), counted += 1.0;
            }
            if (counted == 0.0) continue;
            double px = std::log(double(size)), py = std::log(rs / counted);
            points += 1.0, sx += px, sy += py, sxy += px * py, sxx += px * px;
        }
        return points < 2.0 ? 0.5 : finite(std::clamp((points * sxy - sx * sy) / (points * sxx - sx * sx), 0.0, 1.0));
    }
    if (type == "ShannonEntropy") {
        if (v.back() <= v[0]) return 0.0;
        std::map<double, double> counts;
        for (double e : y) counts[std::min(p[1] - 1, std::trunc((e - v[0]) / ((v.back() - v[0]) / p[1])))] += 1.0;
        double h = 0.0;
        for (auto [bin, count] : counts) h += count / n * std::log2(count / n);
        return finite(-h);
    }
    // SampleEntropy: pairs of templates of m closes within r of each other, and of m + 1.
    const std::size_t m = static_cast<std::size_t>(p[1]);
    const double r = std::sqrt(s[1] / n) * p[2];
    double b = 0.0, a = 0.0;
    for (std::size_t i = 0; i + m < y.size(); ++i)
        for (std::size_t j = i + 1; j + m < y.size(); ++j) {
            std::size_t k = 0;
            while (k <= m && std::fabs(y[i + k] - y[j + k]) <= r) ++k;
            b += k >= m, a += k > m;
        }
    if (flat || s[1] / n == 0.0 || b == 0.0) return 0.0;
    return a == 0.0 ? std::log(b) : -std::log(a / b);
}

TEST(WindowStatisticsTest, EveryTypeAgainstItsDefinition) {
    const std::vector<Vec> moments = {{1}, {2}, {5}, {14}, {30}}, higher = {{4}, {5}, {14}, {30}};
    const std::vector<test::TableRow> rows = {
        {"Variance", moments, true}, {"StdDev", moments, true}, {"ZScore", moments, true},
        {"CoefficientOfVariation", moments, true}, {"Skewness", higher, true}, {"Kurtosis", higher, true},
        {"JarqueBera", higher}, {"RollingQuantile", {{1, 0.0}, {2, 0.05}, {5, 0.25}, {14, 0.5}, {30, 0.9}, {5, 1.0}}},
        {"RollingIqr", moments}, {"MedianAbsoluteDeviation", moments}, {"RollingPercentileRank", moments},
        {"RollingMinMaxScaler", {{2}, {5}, {14}, {30}}},
        {"Autocorrelation", {{2, 1}, {5, 1}, {14, 3}, {30, 29}, {30, 7}}}, {"DetrendedStdDev", {{2}, {3}, {9}, {30}}},
        {"HurstExponent", {{4, 2}, {8, 2}, {20, 4}, {30, 15}, {64, 8}}, false, 1e-12},
        // Fewer bins than values count per bin; more bins than values sort the bin numbers.
        {"ShannonEntropy", {{5, 2}, {14, 10}, {20, 20}, {30, 64}, {30, 16777216}}, false, 1e-12},
        {"SampleEntropy", {{10, 2, 0.2}, {30, 2, 0.5}, {20, 1, 0.1}, {14, 3, 1.0}, {5, 3, 0.2}, {12, 10, 3.0}}, false,
         1e-12},
    };
    // Moves and rejected bars, then flat runs of 0.1, 0 and -1/3 after variation; a flat run of 7
    // after variation; a constant series from the start.
    Vec seven = test::varied_closes(57, 13, false);
    seven.insert(seven.end(), 70, 7.0);
    for (const Vec& bars : {test::closes_with_flat_runs(), seven, Vec(70, 1e-300)})
        for (const test::TableRow& row : rows)
            for (const Vec& p : row.params)
                test::expect_windows(row.type, p, p[0], bars, [&](const Vec& y) { return reference(row.type, p, y); },
                                     [&](std::size_t t) { return row.tol_at(t, p[0], kDrift); });
}

TEST(WindowStatisticsTest, WorkedNumbers) {
    Vec line(64);
    std::iota(line.begin(), line.end(), 1.0);
    test::expect_pins({
        // A straight line has no residual.
        {"DetrendedStdDev", {64}, line, {0.0}},
        // A template as long as the window allows: one pair, matching for 3 closes and 4.
        {"SampleEntropy", {5, 3, 10.0}, {1, 2, 1, 2, 1.5}, {-std::log(1.0)}},
        // A constant window whose mean rounds off its value: 0, not -ln(1).
        {"SampleEntropy", {3, 1, 0.2}, {5.0, 0.1, 0.1, 0.1}, {0.0}},
        // A standard deviation of exactly 1, so that r = 1 and several distances equal it: a
        // distance of r matches (6 pairs of templates of 1 close, 3 of 2), where "< r" finds 3 and 1.
        {"SampleEntropy", {6, 1, 1.0}, {2, 1, 2, 4, 2, 1}, {std::log(2.0)}, 1e-12},
        // The median of the extremes does not overflow; chunk sums that do measure nothing.
        {"MedianAbsoluteDeviation", {2}, {1.7e308, 1.5e308}, {1e307}, 1e-14},
        {"HurstExponent", {5, 2}, {8e307, 8e307, 8e307, 8e307, 1.0}, {N}},
    });
}

TEST(WindowStatisticsTest, OverflowingStatisticsGiveNoValueAndRecover) {
    // Closes a whole double range apart overflow the sums: no value rather than inf or NaN, and
    // the statistics come back once those closes have left the window.
    const Vec hostile = {-1.7e308, -1.7e308, 1.7e308, 1.7e308};
    Vec xs = hostile;
    for (int i = 0; i < 12; ++i) xs.push_back(1.0 + i % 4);
    for (const auto& [type, p] : std::vector<std::pair<std::string, Vec>>{
             {"Variance", {3}}, {"Kurtosis", {4}}, {"JarqueBera", {4}}, {"RollingIqr", {3}}, {"ShannonEntropy", {3, 2}},
             {"SampleEntropy", {4, 1, 0.2}}, {"HurstExponent", {4, 2}}}) {
        const std::size_t n = static_cast<std::size_t>(p[0]);
        test::expect_pins({{type, p, xs, {reference(type, p, Vec(xs.end() - n, xs.end()))}, 1e-12}});
        EXPECT_EQ(test::first_value_bar(test::run_built(type, p, hostile)), 0u) << type;
    }
}

TEST(WindowStatisticsTest, HugeParametersCostOnlyTheDataSeen) {
    // Windows that can never fill give no value and do no quadratic work; a period and template
    // length near the top of the range do not wrap the "period >= m + 2" rule.
    auto s = *SampleEntropy::create(kMaxU64, 2, 0.2);
    auto h = *HurstExponent::create(kMaxU64, 16777216);
    auto e = *ShannonEntropy::create(kMaxU64, 16777216);
    auto a = *Autocorrelation::create(kMaxU64, kMaxU64 - 1);
    for (double x : test::varied_closes(2000, 1, false))
        ASSERT_FALSE(s.update_value(x) || h.update_value(x) || e.update_value(x) || a.update_value(x));
    EXPECT_EQ(s.warmup_period(), kMaxU64);
    EXPECT_TRUE(SampleEntropy::create(kMaxU64, kMaxU64 - 2, 0.2));
    EXPECT_FALSE(SampleEntropy::create(kMaxU64, kMaxU64 - 1, 0.2));
    EXPECT_FALSE(SampleEntropy::create(3, kMaxU64, 0.2));
    EXPECT_EQ((*build_indicator("Autocorrelation", std::vector<double>{1e300, 2}))->warmup_period(), kMaxU64);
    EXPECT_EQ((*build_indicator("SampleEntropy", std::vector<double>{20000000, 2, 0.2}))->warmup_period(), 20000000u);
}

}  // namespace
}  // namespace prynox
