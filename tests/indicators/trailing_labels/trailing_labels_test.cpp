// The trailing stops and the trend and regime labels of the close: each type against a
// straightforward recomputation over a varied series with rejected bars, the worked examples,
// degenerate windows, overflowing levels, and every registry check with its message.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"
#include "indicators/trailing_labels/percentage_trailing_stop.hpp"
#include "indicators/trailing_labels/regime_label.hpp"
#include "indicators/trailing_labels/renko_trailing_stop.hpp"
#include "indicators/trailing_labels/step_trailing_stop.hpp"
#include "indicators/trailing_labels/trend_label.hpp"
#include "indicators/trailing_labels/trend_strength_index.hpp"

namespace prynox {
namespace {

using test::EntryCase;
using test::Series;
using test::kMax;
using test::kZero;
using test::outcome;
using test::run_on;
using Vec = std::vector<double>;
constexpr std::size_t kBars = 400;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const test::ClosesCase& data() {
    static const test::ClosesCase d(test::varied_closes(kBars, 11, true), kBars);
    return d;
}
Series values(std::initializer_list<std::optional<double>> xs) { return Series(xs.begin(), xs.end()); }

// ------------------------------------------------------------------ trailing stops

using Level = std::function<double(double)>;

// Long at the first level below; a strict crossing flips to the level on the other side.
Series ref_flipping(const Vec& xs, const Level& below, const Level& above) {
    Series out;
    std::optional<double> stop;
    bool is_long = true;
    for (double x : xs) {
        if (!stop) {
            stop = below(x);
        } else if (is_long && x < *stop) {
            is_long = false;
            stop = above(x);
        } else if (is_long) {
            stop = std::max(*stop, below(x));
        } else if (x > *stop) {
            is_long = true;
            stop = below(x);
        } else {
            stop = std::min(*stop, above(x));
        }
        out.push_back(stop);
    }
    return out;
}

Series ref_renko(const Vec& xs, double b) {
    Series out;
    std::optional<double> anchor;
    bool is_long = true;
    for (double x : xs) {
        if (!anchor) {
            anchor = x;
            out.push_back(x - b);
        } else if (is_long && x < *anchor - b) {
            is_long = false;
            anchor = x;
            out.push_back(x + b);
        } else if (is_long) {
            double k = std::floor((x - *anchor) / b);
            if (k >= 1) anchor = *anchor + b * k;
            out.push_back(*anchor - b);
        } else if (x > *anchor + b) {
            is_long = true;
            anchor = x;
            out.push_back(x - b);
        } else {
            double k = std::floor((*anchor - x) / b);
            if (k >= 1) anchor = *anchor - b * k;
            out.push_back(*anchor + b);
        }
    }
    return out;
}

TEST(TrailingStopTest, AgainstRecomputation) {
    for (double p : {0.5, 2.5, 10.0}) {
        SCOPED_TRACE(p);
        auto d = [p](double x) { return (std::fabs(x) * p) / 100.0; };
        data().expect_exact(*PercentageTrailingStop::create(p),
                            ref_flipping(data().finite(), [&](double x) { return x - d(x); },
                                         [&](double x) { return x + d(x); }));
    }
    for (double s : {0.25, 1.5, 7.0}) {
        SCOPED_TRACE(s);
        data().expect_exact(*StepTrailingStop::create(s),
                            ref_flipping(data().finite(), [s](double x) { return s * std::floor((x - s) / s); },
                                         [s](double x) { return s * std::ceil((x + s) / s); }));
    }
    for (double b : {0.3, 2.0, 5.0}) {
        SCOPED_TRACE(b);
        data().expect_exact(*RenkoTrailingStop::create(b), ref_renko(data().finite(), b));
    }
    // Each stop flips both ways on this series (a stop above the close is short).
    for (const Series& s : {run_on(*PercentageTrailingStop::create(2.5), data().finite()),
                            run_on(*StepTrailingStop::create(1.5), data().finite()),
                            run_on(*RenkoTrailingStop::create(2.0), data().finite())}) {
        std::size_t above = 0;
        for (std::size_t i = 0; i < s.size(); ++i) above += *s[i] > data().finite()[i];
        EXPECT_GT(above, 10u);
        EXPECT_LT(above, s.size() - 10);
    }
    data().expect_warmup_matches(*PercentageTrailingStop::create(1));
    data().expect_warmup_matches(*StepTrailingStop::create(1));
    data().expect_warmup_matches(*RenkoTrailingStop::create(1));
}

TEST(TrailingStopTest, WorkedExamples) {
    test::expect_series_exact(run_on(*PercentageTrailingStop::create(10), {100, 105, 90}), values({90, 94.5, 99}));
    test::expect_series_exact(run_on(*StepTrailingStop::create(5), {103, 112, 100}), values({95, 105, 105}));
    test::expect_series_exact(run_on(*RenkoTrailingStop::create(2), {10, 11, 14.5, 9}), values({8, 8, 12, 11}));
    // A close equal to the stop keeps the direction.
    test::expect_series_exact(run_on(*PercentageTrailingStop::create(10), {100, 90, 80}), values({90, 90, 88}));
    // Short: the stop only falls, and a close above it flips back to long.
    test::expect_series_exact(run_on(*StepTrailingStop::create(5), {103, 90, 80, 96, 101}),
                              values({95, 95, 85, 90, 95}));
}

TEST(TrailingStopTest, LevelsBeyondTheDoublesAreNotTaken) {
    // |x| * p overflows: the first level would be -inf, so nothing is set until a close fits;
    // a level that is not the new stop may overflow freely.
    test::expect_series_exact(run_on(*PercentageTrailingStop::create(200), {1.7e308, 100, 1.7e308, 50}),
                              values({std::nullopt, -100, -100, -50}));
    // A flip to short whose level would be +inf leaves the stop long where it was.
    test::expect_series_exact(run_on(*PercentageTrailingStop::create(1e10), {1, -1e300, 5}),
                              values({-99999999, std::nullopt, -99999999}));
    // A grid step so fine that the grid index overflows.
    auto step = *StepTrailingStop::create(1e-300);
    EXPECT_FALSE(step.update_value(1e10));
    auto first = step.update_value(1.0);
    ASSERT_TRUE(first);
    EXPECT_TRUE(std::isfinite(*first));
    // A brick that takes the first level below the doubles, then an anchor that would move
    // beyond them.
    auto renko = *RenkoTrailingStop::create(1e308);
    EXPECT_FALSE(renko.update_value(-1.7e308));
    EXPECT_EQ(renko.update_value(5.0), 5.0 - 1e308);
    auto fine = *RenkoTrailingStop::create(1e-300);
    EXPECT_EQ(fine.update_value(0.0), -1e-300);
    EXPECT_FALSE(fine.update_value(1e10));  // 1e310 bricks up
    EXPECT_EQ(fine.update_value(0.0), -1e-300);
}

TEST(TrailingStopTest, RejectedClosesChangeNothing) {
    Vec dirty = {100, kNaN, 105, std::numeric_limits<double>::infinity(), 90};
    test::expect_series_exact(run_on(*PercentageTrailingStop::create(10), dirty),
                              values({90, std::nullopt, 94.5, std::nullopt, 99}));
}

// ------------------------------------------------------------------ trend label and strength

Vec window_at(const Vec& xs, std::size_t t, std::size_t n) { return Vec(xs.begin() + long(t + 1 - n), xs.begin() + long(t + 1)); }

double ref_trend_sum(const Vec& w) {
    double n = static_cast<double>(w.size()), sum = -0.0;
    for (double v : w) sum += v;
    double m = sum / n, c = (n - 1) * 0.5, s = 0.0;
    for (std::size_t i = 0; i < w.size(); ++i) s += (static_cast<double>(i) - c) * (w[i] - m);
    return s;
}

double ref_strength(const Vec& w) {
    double n = static_cast<double>(w.size()), sum = -0.0;
    for (double v : w) sum += v;
    double m = sum / n, sx = 0, sxx = 0, sy = 0, syy = 0, sxy = 0;
    for (std::size_t k = 0; k < w.size(); ++k) {
        double i = static_cast<double>(k), y = w[k] - m;
        sx += i;
        sxx += i * i;
        sy += y;
        syy += y * y;
        sxy += i * y;
    }
    double dy = std::fma(n, syy, -(sy * sy));
    if (dy <= 0) return 0.0;
    double dx = std::fma(n, sxx, -(sx * sx)), c = std::fma(n, sxy, sx * (-sy)), r2 = (c * c) / (dy * dx);
    return c < 0 ? -r2 : r2;
}

TEST(TrendLabelTest, AgainstRecomputation) {
    for (std::size_t n : {2u, 3u, 10u, 31u}) {
        SCOPED_TRACE(n);
        Series label(data().finite().size()), strength(data().finite().size());
        for (std::size_t t = n - 1; t < data().finite().size(); ++t) {
            Vec w = window_at(data().finite(), t, n);
            double s = ref_trend_sum(w);
            label[t] = s > 0 ? 1.0 : (s < 0 ? -1.0 : 0.0);
            strength[t] = ref_strength(w);
        }
        data().expect_exact(*TrendLabel::create(n), label);
        data().expect_exact(*TrendStrengthIndex::create(n), strength);
        data().expect_warmup_matches(*TrendLabel::create(n));
        data().expect_warmup_matches(*TrendStrengthIndex::create(n));
    }
}

TEST(TrendLabelTest, WorkedExamplesAndFlatWindows) {
    test::expect_series_exact(run_on(*TrendStrengthIndex::create(5), {1, 2, 3, 4, 5}),
                              values({std::nullopt, std::nullopt, std::nullopt, std::nullopt, 1}));
    test::expect_series_exact(run_on(*TrendStrengthIndex::create(5), {5, 4, 3, 2, 1}),
                              values({std::nullopt, std::nullopt, std::nullopt, std::nullopt, -1}));
    test::expect_series_exact(run_on(*TrendLabel::create(3), {1, 2, 3, 3, 3, 3, 2, 0.1, 0.1, 0.1}),
                              values({std::nullopt, std::nullopt, 1, 1, 0, 0, -1, -1, -1, 0}));
    // Constant windows, from the start and after variation, give 0.
    for (double x : {0.1, 103.25, 0.0, -3.7, 1e300}) {
        Vec xs = {5, 1, 9};
        xs.insert(xs.end(), 12, x);
        Series label = run_on(*TrendLabel::create(4), xs), strength = run_on(*TrendStrengthIndex::create(4), xs);
        for (std::size_t i = 6; i < xs.size(); ++i) {
            EXPECT_EQ(label[i], 0.0) << x << " bar " << i;
            EXPECT_EQ(strength[i], 0.0) << x << " bar " << i;
        }
    }
}

TEST(TrendLabelTest, LongConstantWindowIsFlatExactly) {
    // Over 300001 copies of 0.0374 the deviations from the rounded mean leave a residue in the
    // plain sums; a constant window has no spread all the same.
    const std::size_t n = 300001;
    Vec xs(n, 0.0374);
    EXPECT_NE(ref_strength(xs), 0.0);
    auto tsi = *TrendStrengthIndex::create(n);
    std::optional<double> last;
    for (double x : xs) last = tsi.update_value(x);
    EXPECT_EQ(last, 0.0);
}

TEST(TrendLabelTest, HugeClosesGiveNoStrength) {
    // Squares of deviations near 1e308 overflow: no value for those windows, then values again.
    auto tsi = *TrendStrengthIndex::create(3);
    Series got = run_on(tsi, {1, 2, 1.5e308, -1.5e308, 1, 2, 3, 4, 5});
    EXPECT_FALSE(got[2]);
    EXPECT_FALSE(got[3]);
    EXPECT_EQ(got[8], 1.0);
}

// ------------------------------------------------------------------ regime label

double quantile(const Vec& sorted, double q) {
    std::size_t last = sorted.size() - 1;
    double t = static_cast<double>(last) * q;
    std::size_t i = static_cast<std::size_t>(std::floor(t));
    return i >= last ? sorted[last] : sorted[i] + (t - std::floor(t)) * (sorted[i + 1] - sorted[i]);
}

struct RegimeRef {
    Series labels;
    std::vector<bool> near_tie;  // the volatility is within rounding of a quartile
};

// Two-pass sample standard deviation of the last v log returns, ranked among the last l.
RegimeRef ref_regime(const Vec& xs, std::size_t v, std::size_t l) {
    RegimeRef out{Series(xs.size()), std::vector<bool>(xs.size())};
    Vec returns, vols;
    for (std::size_t t = 1; t < xs.size(); ++t) {
        returns.push_back(std::log(xs[t] / xs[t - 1]));
        if (returns.size() < v) continue;
        Vec w = window_at(returns, returns.size() - 1, v);
        double mean = 0, ss = 0;
        for (double r : w) mean += r;
        mean /= static_cast<double>(v);
        for (double r : w) ss += (r - mean) * (r - mean);
        double sigma = std::sqrt(ss / static_cast<double>(v - 1));
        vols.push_back(sigma);
        if (vols.size() < l) continue;
        Vec sorted = window_at(vols, vols.size() - 1, l);
        std::sort(sorted.begin(), sorted.end());
        double q25 = quantile(sorted, 0.25), q75 = quantile(sorted, 0.75);
        out.labels[t] = sigma < q25 ? -1.0 : (sigma > q75 ? 1.0 : 0.0);
        double tol = 1e-9 * std::max(sorted.back(), 1e-300);
        out.near_tie[t] = std::fabs(sigma - q25) <= tol || std::fabs(sigma - q75) <= tol;
    }
    return out;
}

TEST(RegimeLabelTest, AgainstRecomputation) {
    // Moment sums differ from the two-pass ones in the last bits: labels must agree except where
    // the volatility sits on a quartile within rounding.
    for (auto [v, l] : {std::pair<std::size_t, std::size_t>{2, 2}, {5, 8}, {20, 50}, {14, 3}}) {
        SCOPED_TRACE(testing::Message() << v << "/" << l);
        RegimeRef want = ref_regime(data().finite(), v, l);
        Series got = run_on(*RegimeLabel::create(v, l), data().finite());
        std::size_t counted[3] = {0, 0, 0};
        for (std::size_t i = 0; i < got.size(); ++i) {
            ASSERT_EQ(got[i].has_value(), want.labels[i].has_value()) << i;
            if (!got[i]) continue;
            EXPECT_TRUE(want.near_tie[i] || *got[i] == *want.labels[i]) << i;
            ++counted[static_cast<int>(*got[i]) + 1];
        }
        EXPECT_GT(counted[0], 0u);
        EXPECT_GT(counted[2], 0u);
        data().expect_warmup_matches(*RegimeLabel::create(v, l));
        // Rejected closes (non-finite) change nothing.
        Series on_bars = run_on(*RegimeLabel::create(v, l), data().closes());
        test::expect_series_exact(on_bars, test::on_bars(data().closes(), got));
    }
}

TEST(RegimeLabelTest, NonPositiveAndOverflowingClosesAreSkippedWhole) {
    Vec clean = test::varied_closes(150, 21, false);
    clean[70] = 1e-300;
    Vec dirty;
    for (std::size_t i = 0; i < clean.size(); ++i) {
        if (i == 40) dirty.push_back(0.0);
        if (i == 60) dirty.push_back(-5.0);
        // Ratios to the previous close that overflow (1e600) or underflow to 0 have no finite
        // log.
        if (i == 71) dirty.push_back(1e300);
        if (i == 100) dirty.push_back(5e-324);
        dirty.push_back(clean[i]);
    }
    Series got = run_on(*RegimeLabel::create(5, 10), dirty), want = run_on(*RegimeLabel::create(5, 10), clean);
    Series spread;
    for (std::size_t i = 0, k = 0; i < dirty.size(); ++i) {
        bool skipped = (k < clean.size() && dirty[i] != clean[k]);
        spread.push_back(skipped ? std::nullopt : want[k++]);
    }
    test::expect_series_exact(got, spread);
}

TEST(RegimeLabelTest, ConstantReturnsHaveNoSpread) {
    // Closes doubling every bar: every log return is ln 2, every volatility 0, every label 0.
    Vec xs;
    for (int k = 0; k < 60; ++k) xs.push_back(std::ldexp(1.0, k));
    Series got = run_on(*RegimeLabel::create(5, 4), xs);
    for (std::size_t i = 8; i < got.size(); ++i) EXPECT_EQ(got[i], 0.0) << i;
    EXPECT_FALSE(got[7]);
    // A burst of volatility ranks high, the calm after it low.
    auto r = *RegimeLabel::create(2, 3);
    Series s = run_on(r, {100, 101, 102, 103, 110, 111, 112, 113});
    EXPECT_EQ(s[4], 1.0);
    EXPECT_EQ(s[6], -1.0);
}

// ------------------------------------------------------------------ registry entries

const std::string kMultiplier = "multiplier must be greater than zero";

TEST(TrailingLabelEntriesTest, ChecksInOrder) {
    const std::string vol = "invalid period: regime label needs vol_period >= 2";
    const std::string look = "invalid period: regime label needs lookback >= 2";
    const std::string trend = "invalid period: trend label needs period >= 2";
    const std::string regression = "invalid period: period must be >= 2 for a regression";
    const double z = 1e-17, big = 16777217;
    std::vector<EntryCase> cases = {
        {"RegimeLabel", {1, 1}, vol},
        {"RegimeLabel", {z, 5}, vol},
        {"RegimeLabel", {big, 1}, kMax},
        {"RegimeLabel", {5, 1}, look},
        {"RegimeLabel", {5, z}, look},
        {"RegimeLabel", {5, big}, kMax},
        {"RegimeLabel", {16777216, 16777216}, ""},
        {"RegimeLabel", {2, 2}, ""},
        {"RegimeLabel", {5}, "missing parameter #1"},
        {"RegimeLabel", {0, 5}, "parameter #0 must be a positive integer, got 0"},
        {"TrendLabel", {1}, trend},
        {"TrendLabel", {z}, trend},
        {"TrendLabel", {big}, kMax},
        {"TrendLabel", {2}, ""},
        {"TrendLabel", {16777216}, ""},
        {"TrendStrengthIndex", {z}, kZero},
        {"TrendStrengthIndex", {1}, regression},
        {"TrendStrengthIndex", {big}, kMax},
        {"TrendStrengthIndex", {2}, ""},
        {"TrendStrengthIndex", {16777216}, ""},
        {"TrendStrengthIndex", {}, "missing parameter #0"},
    };
    for (const char* stop : {"PercentageTrailingStop", "RenkoTrailingStop", "StepTrailingStop"}) {
        cases.push_back({stop, {0}, kMultiplier});
        cases.push_back({stop, {-0.0}, kMultiplier});
        cases.push_back({stop, {-1}, kMultiplier});
        cases.push_back({stop, {5e-324}, ""});
        cases.push_back({stop, {1e308, 1, 2}, ""});
        cases.push_back({stop, {}, "missing parameter #0"});
        cases.push_back({stop, {kNaN}, "parameter #0 must be finite"});
    }
    for (const auto& c : cases) EXPECT_EQ(outcome(c), c.message) << test::describe(c);
}

TEST(TrailingLabelEntriesTest, ConstructorChecksBeyondTheReaders) {
    for (double bad : {kNaN, std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(PercentageTrailingStop::create(bad).error().display(), kMultiplier);
        EXPECT_EQ(RenkoTrailingStop::create(bad).error().display(), kMultiplier);
        EXPECT_EQ(StepTrailingStop::create(bad).error().display(), kMultiplier);
    }
}

TEST(TrailingLabelEntriesTest, WarmUps) {
    const std::vector<std::pair<EntryCase, std::uint64_t>> cases = {
        {{"PercentageTrailingStop", {2}}, 1}, {{"RenkoTrailingStop", {2}}, 1},
        {{"StepTrailingStop", {2}}, 1},       {{"RegimeLabel", {20, 50}}, 70},
        {{"RegimeLabel", {16777216, 16777216}}, 33554432},
        {{"TrendLabel", {10}}, 10},           {{"TrendStrengthIndex", {10}}, 10},
    };
    for (const auto& [c, warmup] : cases) test::expect_built_warmup(c, warmup);
}

}  // namespace
}  // namespace prynox
