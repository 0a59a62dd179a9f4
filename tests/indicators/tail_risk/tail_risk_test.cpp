// The tail-risk measures of a window of per-bar returns (the closes themselves), built from the
// registry, against a plain sort of each window, bit for bit; the checks
// that only the constructors can reach; the largest window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "indicators/cores/total_order.hpp"
#include "indicators/tail_risk/conditional_value_at_risk.hpp"
#include "indicators/tail_risk/value_at_risk.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using Vec = std::vector<double>;
using Opt = std::optional<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr Opt N = std::nullopt;

// Returns on a grid of eighths around zero (exact zeros, -0.0, ties), a stretch of gains only
// (after which the common sense ratio must re-sort), a stretch of zeros, wide moves, non-finite
// bars; then windows without a loss, and quantiles whose distances overflow.
std::vector<Vec> datasets() {
    Vec r;
    std::uint64_t s = 11;
    for (std::size_t i = 0; i < 420; ++i) {
        double x = std::round(test::unit(s) * 16.0) / 8.0 * (i % 53 == 7 ? 1000.0 : 1.0), tiny = test::unit(s) * 1e-3;
        x = i % 61 == 3 ? tiny : i >= 100 && i < 150 ? std::fabs(x) : x;
        r.push_back(i % 37 == 5 ? -0.0 : i >= 220 && i < 250 ? 0.0 : x);
    }
    for (std::size_t i : {4u, 60u, 61u, 180u, 333u}) r[i] = i % 2 ? kNaN : (i % 4 ? kInf : -kInf);
    return {r, {0.5, 0.0, 1.25, 3.0, 0.0, 2.0, 0.25, -0.0}, {-1e308, 1e308, 1.0, -3.0}, {-1e308, -1e308, 1.0},
            {-1e308, 8e307, 8e307}};
}

double quantile(const Vec& v, double p) {
    double h = static_cast<double>(v.size() - 1) * p;
    std::size_t i = static_cast<std::size_t>(std::floor(h));
    return i >= v.size() - 1 ? v.back() : v[i] + (h - static_cast<double>(i)) * (v[i + 1] - v[i]);
}

Opt finite(double v) { return std::isfinite(v) ? Opt(v) : N; }

// The value of a full window (arrival order), as the definitions give it.
Opt reference(const std::string& type, const Vec& p, const Vec& w) {
    const double n = static_cast<double>(w.size());
    Vec v = w;
    std::sort(v.begin(), v.end(), total_less);
    if (type == "ValueAtRisk") {
        double h = (1.0 - p[1]) * (n - 1.0);
        std::size_t lo = static_cast<std::size_t>(std::floor(h)), hi = static_cast<std::size_t>(std::ceil(h));
        double q = lo == hi ? v[lo] : v[lo] + (h - std::floor(h)) * (v[hi] - v[lo]);
        return std::isfinite(q) ? Opt(-q > 0.0 ? -q : 0.0) : N;
    }
    if (type == "ConditionalValueAtRisk") {
        std::size_t k = std::max<std::size_t>(1, static_cast<std::size_t>(std::floor((1.0 - p[1]) * n)));
        double sum = 0.0;
        for (std::size_t i = 0; i < k; ++i) sum += v[i];
        double mean = sum / static_cast<double>(k);
        return std::isfinite(mean) ? Opt(-mean > 0.0 ? -mean : 0.0) : N;
    }
    double q95 = quantile(v, 0.95), q05 = quantile(v, 0.05), factor = 1.0;
    if (type == "CommonSenseRatio") {
        double gains = 0.0, losses = 0.0;
        for (double r : w) gains += std::max(r, 0.0), losses += std::max(-r, 0.0);
        if (!(losses > 0.0)) return 0.0;
        factor = gains / losses;
    }
    if (!std::isfinite(q95) || !std::isfinite(q05)) return N;
    return q05 == 0.0 ? 0.0 : finite(factor * (q95 / std::fabs(q05)));
}

TEST(TailRiskTest, EveryTypeAgainstItsDefinition) {
    const std::vector<std::pair<const char*, std::vector<Vec>>> rows = {
        {"ValueAtRisk", {{2, 0.5}, {5, 0.95}, {20, 0.95}, {20, 0.99}, {33, 0.7}, {40, 1e-20}}},
        // 0.1 * 5 rounds down to no value at all: the tail is raised to one.
        {"ConditionalValueAtRisk", {{2, 0.5}, {2, 1e-20}, {20, 0.75}, {20, 0.9}, {20, 0.95}, {50, 0.6}, {7, 1e-9},
                                    {5, 0.9}}},
        {"TailRatio", {{2}, {3}, {20}, {21}, {60}}},
        {"CommonSenseRatio", {{2}, {3}, {4}, {20}, {21}, {60}}},
    };
    for (const Vec& closes : datasets())
        for (const auto& [type, params_list] : rows)
            for (const Vec& p : params_list)
                test::expect_windows(type, p, p[0], closes, [&](const Vec& w) { return reference(type, p, w); },
                                     [](std::size_t) { return 0.0; });
}

TEST(TailRiskTest, ConstructorOnlyChecksAndTheLargestWindow) {
    const std::string confidence = "invalid period: confidence must lie strictly between 0 and 1";
    EXPECT_EQ(ValueAtRisk::create(20, kNaN).error().display(), confidence);
    EXPECT_EQ(ConditionalValueAtRisk::create(20, -kInf).error().display(), confidence);
    // The largest window builds, reports its length and gives nothing over a short run.
    EXPECT_EQ((*build_indicator("CommonSenseRatio", Vec{16777216}))->warmup_period(), 16777216u);
    EXPECT_EQ(test::first_value_bar(test::run_built("CommonSenseRatio", {16777216}, datasets()[0])), 0u);
}

}  // namespace
}  // namespace prynox
