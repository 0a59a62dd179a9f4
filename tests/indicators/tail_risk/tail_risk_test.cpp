// The tail-risk measures of a window of per-bar returns (the closes themselves): each type
// against a plain sort of the window, the stated edge cases, bars whose quantiles overflow, and
// every registry check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "indicators/tail_risk/common_sense_ratio.hpp"
#include "indicators/tail_risk/conditional_value_at_risk.hpp"
#include "indicators/tail_risk/tail_ratio.hpp"
#include "indicators/tail_risk/value_at_risk.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Series;
using Vec = std::vector<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// ------------------------------------------------------------------ data

// Returns on a grid of eighths around zero (exact zeros, -0.0, ties), a stretch of gains only,
// a stretch of zeros, a few wide moves and non-finite bars.
const Vec& returns() {
    static const Vec r = [] {
        Vec out;
        std::uint64_t s = 11;
        for (std::size_t i = 0; i < 420; ++i) {
            double x = std::round(test::unit(s) * 16.0) / 8.0;
            if (i >= 100 && i < 150) x = std::fabs(x);  // gains only
            if (i >= 220 && i < 250) x = 0.0;
            if (i % 37 == 5) x = -0.0;
            if (i % 53 == 7) x *= 1000.0;
            if (i % 61 == 3) x = test::unit(s) * 1e-3;
            out.push_back(x);
        }
        for (std::size_t i : {4u, 60u, 61u, 180u, 333u}) out[i] = i % 2 ? kNaN : (i % 4 ? kInf : -kInf);
        return out;
    }();
    return r;
}

// The last n accepted values sorted ascending, -0.0 before +0.0.
Vec sorted_window(const Vec& xs, std::size_t t, std::size_t n) {
    Vec w(xs.begin() + static_cast<long>(t + 1 - n), xs.begin() + static_cast<long>(t + 1));
    std::sort(w.begin(), w.end(),
              [](double a, double b) { return a < b || (a == b && std::signbit(a) && !std::signbit(b)); });
    return w;
}

double quantile(const Vec& v, double p) {
    double h = static_cast<double>(v.size() - 1) * p;
    std::size_t i = static_cast<std::size_t>(std::floor(h));
    if (i >= v.size() - 1) return v.back();
    return v[i] + (h - static_cast<double>(i)) * (v[i + 1] - v[i]);
}

double plus_zero_floor(double v) { return v > 0 ? v : 0.0; }

// One output per accepted value: f(sorted window, arrival window) once n are held.
template <class F>
Series over_windows(std::size_t n, F f) {
    Vec xs = test::accepted(returns());
    Series out;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t + 1 < n) {
            out.push_back(std::nullopt);
            continue;
        }
        Vec arrival(xs.begin() + static_cast<long>(t + 1 - n), xs.begin() + static_cast<long>(t + 1));
        out.push_back(f(sorted_window(xs, t, n), arrival));
    }
    return out;
}

template <class State>
void expect_exact(State state, const Series& per_accepted) {
    test::expect_exact(std::move(state), returns(), per_accepted);
}

template <class State>
void expect_warmup_matches(State state) {
    test::expect_warmup_matches(std::move(state), test::varied_closes(200, 5, false));
}

// ------------------------------------------------------------------ against plain sorts

TEST(TailRiskTest, ValueAtRisk) {
    for (auto [n, c] : {std::pair<std::size_t, double>{2, 0.5}, {5, 0.95}, {20, 0.95}, {20, 0.99}, {33, 0.7}, {40, 1e-20}}) {
        SCOPED_TRACE(n);
        expect_exact(*ValueAtRisk::create(n, c), over_windows(n, [n, c](const Vec& v, const Vec&) {
                         double h = (1 - c) * static_cast<double>(n - 1);
                         std::size_t lo = static_cast<std::size_t>(std::floor(h)), hi = static_cast<std::size_t>(std::ceil(h));
                         double q = lo == hi ? v[lo] : v[lo] + (h - static_cast<double>(lo)) * (v[hi] - v[lo]);
                         return plus_zero_floor(-q);
                     }));
        expect_warmup_matches(*ValueAtRisk::create(n, c));
    }
}

TEST(TailRiskTest, ConditionalValueAtRisk) {
    for (auto [n, c] : {std::pair<std::size_t, double>{2, 0.5}, {20, 0.75}, {20, 0.9}, {20, 0.95}, {50, 0.6}, {7, 1e-9}}) {
        SCOPED_TRACE(n);
        expect_exact(*ConditionalValueAtRisk::create(n, c), over_windows(n, [n, c](const Vec& v, const Vec&) {
                         std::size_t k = std::max<std::size_t>(1, static_cast<std::size_t>(std::floor((1 - c) * static_cast<double>(n))));
                         double s = 0;
                         for (std::size_t i = 0; i < k; ++i) s += v[i];
                         return plus_zero_floor(-(s / static_cast<double>(k)));
                     }));
        expect_warmup_matches(*ConditionalValueAtRisk::create(n, c));
    }
}

TEST(TailRiskTest, TailRatio) {
    for (std::size_t n : {2u, 3u, 20u, 21u, 60u}) {
        SCOPED_TRACE(n);
        expect_exact(*TailRatio::create(n), over_windows(n, [](const Vec& v, const Vec&) {
                         double q05 = quantile(v, 0.05);
                         return q05 == 0 ? 0.0 : quantile(v, 0.95) / std::fabs(q05);
                     }));
        expect_warmup_matches(*TailRatio::create(n));
    }
}

TEST(TailRiskTest, CommonSenseRatio) {
    for (std::size_t n : {2u, 3u, 20u, 21u, 60u}) {
        SCOPED_TRACE(n);
        expect_exact(*CommonSenseRatio::create(n), over_windows(n, [](const Vec& v, const Vec& arrival) {
                         double g = 0, l = 0;
                         for (double r : arrival) {
                             g += std::max(r, 0.0);
                             l += std::max(-r, 0.0);
                         }
                         if (l <= 0) return 0.0;
                         double q05 = quantile(v, 0.05);
                         return q05 == 0 ? 0.0 : (g / l) * (quantile(v, 0.95) / std::fabs(q05));
                     }));
        expect_warmup_matches(*CommonSenseRatio::create(n));
    }
}

// ------------------------------------------------------------------ edge cases

Series feed(auto state, const Vec& xs) { return test::run(state, xs); }

TEST(TailRiskTest, NoLossesGiveZero) {
    const Vec gains = {0.5, 0.0, 1.25, 3.0, 0.0, 2.0, 0.25, -0.0};
    for (std::size_t i = 3; i < gains.size(); ++i) {
        EXPECT_TRUE(test::same_bits(*feed(*ValueAtRisk::create(4, 0.95), gains)[i], 0.0)) << i;
        EXPECT_TRUE(test::same_bits(*feed(*ConditionalValueAtRisk::create(4, 0.95), gains)[i], 0.0)) << i;
        EXPECT_EQ(feed(*CommonSenseRatio::create(4), gains)[i], 0.0) << i;
    }
}

TEST(TailRiskTest, TailCountIsComputedInFloatingPoint) {
    Vec losses;
    for (int i = 1; i <= 20; ++i) losses.push_back(-i);
    auto cvar = [&losses](double c) { return *feed(*ConditionalValueAtRisk::create(20, c), losses).back(); };
    EXPECT_EQ(cvar(0.75), 18.0);  // k = 5: the mean of -20 .. -16
    EXPECT_EQ(cvar(0.95), 20.0);  // k = 1
    EXPECT_EQ(cvar(0.9), 20.0);   // (1 - 0.9) * 20 is 1.9999999999999996: k = 1, not 2
}

TEST(TailRiskTest, QuantileEdges) {
    // Two values at c = 0.5: halfway between them.
    EXPECT_EQ(feed(*ValueAtRisk::create(2, 0.5), {-4.0, 2.0})[1], 1.0);
    // A 5 % quantile of exactly 0 gives 0; an all-negative window gives a negative ratio.
    EXPECT_EQ(feed(*TailRatio::create(3), {0.0, 0.0, 5.0})[2], 0.0);
    EXPECT_EQ(feed(*TailRatio::create(2), {-4.0, -2.0})[1], quantile({-4, -2}, 0.95) / std::fabs(quantile({-4, -2}, 0.05)));
    EXPECT_LT(*feed(*TailRatio::create(2), {-4.0, -2.0})[1], 0.0);
    // Without losses, then with a loss again: the quantiles are those of the new window.
    Series csr = feed(*CommonSenseRatio::create(3), {1.0, 2.0, 3.0, 4.0, -2.0, 6.0});
    EXPECT_EQ(csr[2], 0.0);
    EXPECT_EQ(csr[3], 0.0);
    EXPECT_EQ(csr[4], (7.0 / 2.0) * (quantile({-2, 3, 4}, 0.95) / std::fabs(quantile({-2, 3, 4}, 0.05))));
    EXPECT_EQ(csr[5], (10.0 / 2.0) * (quantile({-2, 4, 6}, 0.95) / std::fabs(quantile({-2, 4, 6}, 0.05))));
}

TEST(TailRiskTest, NonFiniteClosesAndOverflowingQuantilesGiveNothing) {
    // A non-finite close does not enter the window.
    Series var = feed(*ValueAtRisk::create(2, 0.5), {-4.0, kNaN, kInf, 2.0});
    EXPECT_FALSE(var[1]);
    EXPECT_FALSE(var[2]);
    EXPECT_EQ(var[3], 1.0);
    // The distance between -1e308 and 1e308 is not finite: no value rather than a made-up one,
    // and the window moves on.
    const Vec wide = {-1e308, 1e308, 1.0, -3.0};
    Series v = feed(*ValueAtRisk::create(2, 0.5), wide);
    EXPECT_FALSE(v[1]);
    EXPECT_EQ(v[3], 1.0);
    Series t = feed(*TailRatio::create(2), wide);
    EXPECT_FALSE(t[1]);
    EXPECT_TRUE(t[2]);
    Series c = feed(*CommonSenseRatio::create(2), wide);
    EXPECT_FALSE(c[1]);
    EXPECT_TRUE(c[3]);
    // With c so small that 1 - c is 1, the tail is the whole window.
    Series cv = feed(*ConditionalValueAtRisk::create(2, 1e-20), {-1e308, -1e308, 1.0});
    EXPECT_FALSE(cv[1]);
    EXPECT_EQ(cv[2], 0.5e308);
}

// ------------------------------------------------------------------ registry entries

using test::EntryCase;
using test::kMax;
using test::outcome;

TEST(TailRiskEntriesTest, ChecksInOrder) {
    const std::string confidence = "invalid period: confidence must lie strictly between 0 and 1";
    std::vector<EntryCase> cases;
    for (auto [type, period] : {std::pair{"ValueAtRisk", "value-at-risk needs period >= 2"},
                                {"ConditionalValueAtRisk", "conditional value-at-risk needs period >= 2"}}) {
        std::string own = std::string("invalid period: ") + period;
        for (const EntryCase& c : {EntryCase{type, {20, 1.0}, confidence}, EntryCase{type, {20, 0}, confidence},
                                   EntryCase{type, {20, -0.0}, confidence}, EntryCase{type, {20, 1.5}, confidence},
                                   EntryCase{type, {20, 0.95}, ""}, EntryCase{type, {2, 5e-324}, ""},
                                   EntryCase{type, {1, 0.95}, own}, EntryCase{type, {1e-17, 0.95}, own},
                                   EntryCase{type, {1, 2}, own}, EntryCase{type, {16777217, 2}, kMax},
                                   EntryCase{type, {16777216, 0.5}, ""}, EntryCase{type, {20}, "missing parameter #1"},
                                   EntryCase{type, {20, kInf}, "parameter #1 must be finite"}})
            cases.push_back(c);
    }
    for (auto [type, period] : {std::pair{"TailRatio", "tail ratio needs period >= 2"},
                                {"CommonSenseRatio", "common sense ratio needs period >= 2"}}) {
        std::string own = std::string("invalid period: ") + period;
        for (const EntryCase& c : {EntryCase{type, {1}, own}, EntryCase{type, {1e-17}, own}, EntryCase{type, {2}, ""},
                                   EntryCase{type, {16777217}, kMax}, EntryCase{type, {16777216}, ""},
                                   EntryCase{type, {}, "missing parameter #0"}})
            cases.push_back(c);
    }
    for (const auto& c : cases) EXPECT_EQ(outcome(c), c.message) << test::describe(c);
    EXPECT_EQ(ValueAtRisk::create(20, kNaN).error().display(), confidence);
    EXPECT_EQ(ConditionalValueAtRisk::create(20, -kInf).error().display(), confidence);
}

TEST(TailRiskEntriesTest, BuiltObjectsReportTheirWarmUpAndReadTheClose) {
    for (const auto& c : {EntryCase{"ValueAtRisk", {20, 0.95}}, EntryCase{"ConditionalValueAtRisk", {7, 0.9}},
                          EntryCase{"TailRatio", {2}}, EntryCase{"CommonSenseRatio", {16777216}}})
        test::expect_built_warmup(c, static_cast<std::uint64_t>(c.params[0]));
    auto built = build_indicator("ValueAtRisk", std::vector<double>{2, 0.5});
    ASSERT_TRUE(built);
    Candle a{0, 9, 9, 9, -4, 0}, b{1, 9, 9, 9, 2, 0};
    BarContext ctx;
    ctx.candle = &a;
    EXPECT_FALSE((*built)->update(ctx));
    ctx.candle = &b;
    EXPECT_EQ((*built)->update(ctx), 1.0);
}

}  // namespace
}  // namespace prynox
