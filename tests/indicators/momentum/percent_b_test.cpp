// %B and the Bollinger bandwidth against recomputations over the accepted closes of a varied
// series (rejected bars, flat runs of awkward values and of zero after variation), the worked
// cases, overflowing bands, the warm-ups and every constructor check through the registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"
#include "indicators/momentum/percent_b.hpp"

namespace prynox {
namespace {

using test::Series;
using Vec = std::vector<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Trend, noise, jumps and rejected bars, then flat runs longer than every period tested of 0.1,
// of 0, of -1/3 and of 1e-300, each after variation.
const test::ClosesCase& data() {
    static const test::ClosesCase d([] {
        Vec v = test::varied_closes(300, 17, true);
        test::append_flat_runs(v, {0.1, 0.0, -1.0 / 3.0, 1e-300}, 45, 30);
        v.insert(v.end(), {kNaN, -kInf, 5.0, kInf});
        return v;
    }());
    return d;
}

struct Bands {
    double upper, middle, lower;
};

double percent_b_of(double x, const Bands& b) {
    double w = b.upper - b.lower;
    return w == 0.0 ? 0.5 : (x - b.lower) / w;
}
double bandwidth_of(double, const Bands& b) { return b.middle == 0.0 ? 0.0 : (b.upper - b.lower) / b.middle; }

bool flat(const double* y, std::size_t n) {
    return std::all_of(y, y + n, [&](double v) { return std::bit_cast<std::uint64_t>(v) == std::bit_cast<std::uint64_t>(y[0]); });
}

// The bands from sums of deviations around an anchor, written out: the first close is the
// anchor; the leaving close's deviation and square come off, the entering one's go on; after
// every N closes the anchor moves to the window's mean and the sums are rebuilt. A window of N
// identical closes is three equal lines.
std::vector<std::optional<Bands>> anchored_bands(const Vec& xs, std::size_t n, double k) {
    double anchor = 0, s1 = 0, s2 = 0;
    std::size_t updates = 0;
    const double dn = static_cast<double>(n);
    std::vector<std::optional<Bands>> out;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t >= n) {
            double d = xs[t - n] - anchor;
            s1 = s1 - d;
            s2 = s2 - d * d;
        }
        if (t == 0) anchor = xs[0];
        double d = xs[t] - anchor;
        s1 = s1 + d;
        s2 = s2 + d * d;
        if (++updates >= n) {
            double sum = 0;
            for (std::size_t j = t + 1 - n; j <= t; ++j) sum += xs[j];
            anchor = sum / dn;
            s1 = s2 = 0;
            for (std::size_t j = t + 1 - n; j <= t; ++j) {
                double e = xs[j] - anchor;
                s1 += e;
                s2 += e * e;
            }
            updates = 0;
        }
        if (t + 1 < n) {
            out.push_back(std::nullopt);
            continue;
        }
        if (flat(&xs[t + 1 - n], n)) {
            out.push_back(Bands{xs[t], xs[t], xs[t]});
            continue;
        }
        double u = s1 / dn;
        double middle = anchor + u;
        double var = s2 / dn - u * u;
        double w = k * std::sqrt(var <= 0 ? 0.0 : var);
        out.push_back(Bands{middle + w, middle, middle - w});
    }
    return out;
}

// The plain definition: two-pass mean and population deviation of the window.
std::vector<std::optional<Bands>> plain_bands(const Vec& xs, std::size_t n, double k) {
    std::vector<std::optional<Bands>> out;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t + 1 < n) {
            out.push_back(std::nullopt);
            continue;
        }
        const double* y = &xs[t + 1 - n];
        if (flat(y, n)) {
            out.push_back(Bands{xs[t], xs[t], xs[t]});
            continue;
        }
        double mean = 0, ss = 0;
        for (std::size_t i = 0; i < n; ++i) mean += y[i];
        mean /= static_cast<double>(n);
        for (std::size_t i = 0; i < n; ++i) ss += (y[i] - mean) * (y[i] - mean);
        double w = k * std::sqrt(ss / static_cast<double>(n));
        out.push_back(Bands{mean + w, mean, mean - w});
    }
    return out;
}

template <class F>
Series reading(const Vec& xs, const std::vector<std::optional<Bands>>& bands, F f) {
    Series out;
    for (std::size_t t = 0; t < xs.size(); ++t) out.push_back(bands[t] ? std::optional(f(xs[t], *bands[t])) : std::nullopt);
    return out;
}

struct Setting {
    std::size_t n;
    double k;
};
const Setting kSettings[] = {{1, 2.0}, {2, 1.0}, {3, 0.5}, {5, 2.0}, {20, 2.5}, {37, 1.7}};

TEST(PercentBTest, MatchesTheAnchoredSumsExactlyOnEveryBar) {
    const Vec& xs = data().finite();
    for (auto [n, k] : kSettings) {
        SCOPED_TRACE(n);
        auto bands = anchored_bands(xs, n, k);
        auto pb = *PercentB::create(n, k);
        auto bw = *BollingerBandwidth::create(n, k);
        data().expect_exact(pb, reading(xs, bands, percent_b_of));
        data().expect_exact(bw, reading(xs, bands, bandwidth_of));
    }
}

TEST(PercentBTest, AgreesWithThePlainMeanAndDeviation) {
    const Vec& xs = data().finite();
    for (auto [n, k] : kSettings) {
        SCOPED_TRACE(n);
        auto bands = plain_bands(xs, n, k);
        auto pb = *PercentB::create(n, k);
        auto bw = *BollingerBandwidth::create(n, k);
        data().expect_near(pb, reading(xs, bands, percent_b_of), 1e-7);
        data().expect_near(bw, reading(xs, bands, bandwidth_of), 1e-9);
    }
}

TEST(PercentBTest, WorkedCases) {
    auto pb = *PercentB::create(2, 1.0);
    auto bw = *BollingerBandwidth::create(2, 1.0);
    const double in[] = {1, 3, 2, -2, 2};
    // Bands 3|2|1, 3|2.5|2, 2|0|-2 (a zero middle), 2|0|-2.
    const std::optional<double> want_pb[] = {std::nullopt, 1.0, 0.0, 0.0, 1.0};
    const std::optional<double> want_bw[] = {std::nullopt, 1.0, 0.4, 0.0, 0.0};
    for (std::size_t i = 0; i < std::size(in); ++i) {
        EXPECT_EQ(pb.update_value(in[i]), want_pb[i]) << i;
        EXPECT_EQ(bw.update_value(in[i]), want_bw[i]) << i;
    }
}

TEST(PercentBTest, ConstantWindowsGiveTheFixedValuesExactly) {
    for (double c : {103.25, 0.1, 0.0, -0.0, -7.3, -1.0 / 3.0, 1e-300, 5e-324, 1.7e308}) {
        for (auto [n, k] : kSettings) {
            auto pb = *PercentB::create(n, k);
            auto bw = *BollingerBandwidth::create(n, k);
            // After variation the running sums hold rounding residue; the flat window must not see it.
            for (double x : test::varied_closes(50, n, false)) {
                (void)pb.update_value(x);
                (void)bw.update_value(x);
            }
            for (std::size_t i = 0; i < n + 40; ++i) {
                auto p = pb.update_value(c);
                auto b = bw.update_value(c);
                if (i + 1 < n) continue;  // the window still holds some of the variation
                ASSERT_TRUE(p && b) << c << " " << n;
                EXPECT_EQ(*p, 0.5) << c << " " << n;
                EXPECT_EQ(*b, 0.0) << c << " " << n;
            }
            // And from a fresh state: the first value is already the fixed one.
            auto fresh = *PercentB::create(n, k);
            for (std::size_t i = 0; i < n; ++i) EXPECT_EQ(fresh.update_value(c), i + 1 < n ? std::nullopt : std::optional(0.5));
        }
    }
}

TEST(PercentBTest, OverflowingBandsGiveNoValueAndTheCoreRecovers) {
    // A multiplier near the largest double turns any spread into infinite bands.
    auto pb = *PercentB::create(3, 1e308);
    auto bw = *BollingerBandwidth::create(3, 1e308);
    for (double x : {1.0, 5.0, 9.0, 13.0}) {
        EXPECT_FALSE(pb.update_value(x));
        EXPECT_FALSE(bw.update_value(x));
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(pb.update_value(7.0), i < 2 ? std::nullopt : std::optional(0.5));
        EXPECT_EQ(bw.update_value(7.0), i < 2 ? std::nullopt : std::optional(0.0));
    }
    // Closes whose squared deviations overflow: no value while they are in the window, the
    // plain readings once they have left it and the sums were rebuilt.
    const Vec xs = {1, 2, 3, 4, 1e200, -1e200, 1e200, 5, 6, 7, 8, 9, 10, 11, 12};
    auto pb4 = *PercentB::create(4, 2.0);
    auto bw4 = *BollingerBandwidth::create(4, 2.0);
    auto got_pb = test::run(pb4, xs);
    auto got_bw = test::run(bw4, xs);
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (got_pb[t]) {
            EXPECT_TRUE(std::isfinite(*got_pb[t])) << t;
        }
        if (got_bw[t]) {
            EXPECT_TRUE(std::isfinite(*got_bw[t])) << t;
        }
    }
    auto plain = plain_bands(xs, 4, 2.0);
    EXPECT_NEAR(got_pb.back().value_or(kNaN), percent_b_of(xs.back(), *plain.back()), 1e-12);
    EXPECT_NEAR(got_bw.back().value_or(kNaN), bandwidth_of(xs.back(), *plain.back()), 1e-12);
}

TEST(PercentBTest, WarmUpsCountAcceptedCloses) {
    for (std::size_t n : {1u, 2u, 14u, 20u}) {
        auto pb = *PercentB::create(n, 2.0);
        auto bw = *BollingerBandwidth::create(n, 2.0);
        EXPECT_EQ(pb.warmup_period(), n);
        EXPECT_EQ(bw.warmup_period(), n);
        Vec clean = test::varied_closes(60, 8, false);
        EXPECT_EQ(test::first_value_bar(test::run(pb, clean)), n);
        // Every rejected bar before the window fills moves the first value one bar later.
        Vec gappy;
        for (double x : clean) {
            gappy.push_back(x);
            gappy.push_back(gappy.size() % 2 ? kNaN : -kInf);
        }
        EXPECT_EQ(test::first_value_bar(test::run(bw, gappy)), 2 * n - 1);
    }
    auto longest = *PercentB::create(16'777'216, 2.0);
    EXPECT_EQ(longest.warmup_period(), 16'777'216u);
    for (int i = 0; i < 500; ++i) EXPECT_FALSE(longest.update_value(100 + i));
}

// ------------------------------------------------------------------ registry entries

// Parameters and the refusal both types give them (empty: builds).
struct ParamsCase {
    std::vector<double> params;
    std::string message = "";
};

TEST(PercentBEntriesTest, ChecksInOrderWithTheirMessages) {
    const std::string& zero = test::kZero;
    const std::string& max = test::kMax;
    const std::string mult = "multiplier must be greater than zero";
    const std::vector<ParamsCase> cases = {
        {{20, 2}},
        {{1, 5e-324}},
        {{16777216, 1.7e308}},
        {{20, 2, -1, kNaN}},  // extra parameters are not read
        {{1e-17, 2}, zero},
        {{1e-17, 0}, zero},  // the period before the multiplier
        {{16777217, 2}, max},
        {{1e300, -1}, max},
        {{20, 0}, mult},
        {{20, -0.0}, mult},
        {{20, -2}, mult},
        {{0, 2}, "parameter #0 must be a positive integer, got 0"},
        {{2.5, 2}, "parameter #0 must be a positive integer, got 2.5"},
        {{20, kNaN}, "parameter #1 must be finite"},
        {{20, kInf}, "parameter #1 must be finite"},
        {{1e-17, kNaN}, "parameter #1 must be finite"},  // every parameter is read before any check
        {{20}, "missing parameter #1"},
        {{}, "missing parameter #0"},
    };
    for (const char* type : {"PercentB", "BollingerBandwidth"})
        for (const auto& c : cases)
            EXPECT_EQ(test::outcome(type, c.params), c.message) << test::describe({type, c.params});
}

TEST(PercentBEntriesTest, BuiltObjectsReadTheCloseAfterTheirWarmUp) {
    Candle a{0, 9, 9, 9, 1, 0}, b{1, 9, 9, 9, 3, 0}, c{2, 0, 0, 0, 2, 0};
    BarContext ctx;
    for (auto [type, second, third] : {std::tuple{"PercentB", 1.0, 0.0}, std::tuple{"BollingerBandwidth", 1.0, 0.4}}) {
        auto built = build_indicator(type, std::vector<double>{2, 1});
        ASSERT_TRUE(built) << type;
        EXPECT_EQ((*built)->warmup_period(), 2u);
        ctx.candle = &a;
        EXPECT_FALSE((*built)->update(ctx));
        ctx.candle = &b;
        EXPECT_EQ((*built)->update(ctx), second) << type;
        EXPECT_TRUE((*built)->outputs().empty());
        ctx.candle = &c;
        EXPECT_EQ((*built)->update(ctx), third) << type;
        EXPECT_EQ((*build_indicator(type, std::vector<double>{16777216, 2}))->warmup_period(), 16777216u);
    }
}

}  // namespace
}  // namespace prynox
