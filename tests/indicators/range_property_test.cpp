// Every value a type gives lies in the range its definition gives it, over series made to break
// running sums and ratios: windows whose moves on one side have all left (a rounding residue
// stays in that side's sum), long flat runs after variation, steps of one unit in the last place,
// monotone runs (a ratio of a sum to itself), huge and tiny values in turn, and NaN and infinite
// bars between them. One table of types and ranges, built through the registry, over every series.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::RangeCase;
using Vec = std::vector<double>;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// ------------------------------------------------------------------ series

// Rises and falls of varied size, then falls only, then flat changes and a last rise of 1.01e-16:
// the last window of 4 changes has no fall, though its running down sum keeps a residue of about
// -2e-16, so the Cmo of period 4 is 100 (the running sums alone give 12100).
Vec cmo_residue_closes() {
    return {1.33,  1.25,  0.97,  1.11,  0.58,  1.09,  1.49,  0.59,  0.368, 0.348, 0.056999999999999995,
            -0.023000000000000007, -0.023000000000000007, -0.023000000000000007, -0.023000000000000007,
            -0.022999999999999906};
}

Vec negated(Vec v) {
    for (double& x : v) x = -x;
    return v;
}

// A NaN, an infinite close and a -infinite close after every `every` bars.
Vec with_gaps(const Vec& v, std::size_t every) {
    Vec out;
    const double gaps[] = {kNaN, kInf, -kInf};
    for (std::size_t i = 0; i < v.size(); ++i) {
        out.push_back(v[i]);
        if (i % every == every - 1) out.push_back(gaps[(i / every) % 3]);
    }
    return out;
}

// The residue series repeated with flat stretches and single ulp moves of either sign after it,
// so that every period up to 30 sees windows with one side holding only residue or a move far
// smaller than the residue.
Vec residue_runs() {
    Vec out;
    for (int round = 0; round < 4; ++round) {
        Vec base = round % 2 == 0 ? cmo_residue_closes() : negated(cmo_residue_closes());
        out.insert(out.end(), base.begin(), base.end());
        double x = out.back();
        for (int i = 0; i < 40; ++i) {
            if (i % 9 == 4) x = std::nextafter(x, round % 2 == 0 ? kInf : -kInf);
            if (i % 13 == 7) x = std::nextafter(x, round % 2 == 0 ? -kInf : kInf);
            out.push_back(x);
        }
    }
    return out;
}

// Variation at the scale of 1, then closes near 0.05 that move by single ulps (about 7e-18),
// far below the residue the sums keep of the larger moves, up and down in turn.
Vec ulp_steps_after_variation() {
    Vec out = {1.0, 0.7, 1.3, 0.2, 1.9, 0.05, 0.6, 0.05};
    std::uint64_t seed = 5;
    for (int i = 0; i < 30; ++i) out.push_back(0.5 + test::unit(seed) * 0.45);
    double x = 0.05;
    for (int i = 0; i < 120; ++i) {
        std::uint64_t r = test::splitmix(seed) % 5;
        if (r == 0) x = std::nextafter(x, kInf);
        if (r == 1) x = std::nextafter(x, -kInf);
        if (r == 2) x = std::nextafter(std::nextafter(x, kInf), kInf);
        out.push_back(x);
    }
    return out;
}

// Returns that move away from 0.05 and back, then sit on it or one ulp either side: the upside
// above a threshold of 0.05 keeps a residue of -6.9e-17 beside a live move of 6.9e-18.
Vec ulp_steps_around_threshold() {
    Vec out = {0.06361367062220605, 0.07356872505294457, 0.04050083477050465, 0.05768616415702093,
               0.7386951768978419,  0.058903180597437294, 0.05, 0.05000000000000001};
    const double below = std::nextafter(0.05, 0.0), above = std::nextafter(0.05, 1.0);
    for (int i = 0; i < 3; ++i) out.insert(out.end(), {below, 0.05, above, 0.05, below, 0.05, 0.05});
    return out;
}

// Closes that only rise (or only fall) by decimal steps: every window has moves on one side
// only, and a ratio of a sum over itself must come out as its exact bound.
Vec monotone_runs() {
    Vec out;
    double x = 1.0 / 3.0;
    for (int i = 0; i < 80; ++i) out.push_back(x += 0.1 + i * 0.0137);
    out.insert(out.end(), 40, x);
    for (int i = 0; i < 80; ++i) out.push_back(x -= 0.07 + i * 0.0091);
    out.insert(out.end(), 40, x);
    for (int i = 0; i < 80; ++i) out.push_back(x *= 1.03);
    return out;
}

// Huge and tiny values in turn, of both signs, with ordinary closes and gaps between.
Vec huge_and_tiny() {
    Vec out;
    const double pattern[] = {1e300, 1e-300, -1e300, 1e-300, 1.7e308, -1.7e308, 5e-324, 1e308, 1e308,
                              -1e308, 2.0,   3.0,    kNaN,   8e307,   8e307,    -8e307, 1e-310, 100.0};
    for (int round = 0; round < 6; ++round)
        for (double v : pattern) out.push_back(round % 2 == 0 ? v : v * 0.75);
    return out;
}

// Positive closes with the same turns (for the types that read log returns).
Vec huge_and_tiny_positive() {
    Vec out;
    for (double v : huge_and_tiny())
        if (!(v <= 0.0)) out.push_back(v);
    return out;
}

struct NamedSeries {
    std::string name;
    Vec closes;
};

const std::vector<NamedSeries>& adversarial_series() {
    static const std::vector<NamedSeries> all = {
        {"residue closes", cmo_residue_closes()},
        {"residue closes negated", negated(cmo_residue_closes())},
        {"residue closes with gaps", with_gaps(cmo_residue_closes(), 2)},
        {"residue runs", residue_runs()},
        {"ulp steps after variation", ulp_steps_after_variation()},
        {"ulp steps with gaps", with_gaps(ulp_steps_after_variation(), 7)},
        {"ulp steps around a threshold", ulp_steps_around_threshold()},
        {"flat runs after variation", test::closes_with_flat_runs()},
        {"monotone runs", monotone_runs()},
        {"huge and tiny", huge_and_tiny()},
        {"huge and tiny, positive", huge_and_tiny_positive()},
        {"varied walk", test::varied_closes(700, 17, true)},
    };
    return all;
}

// ------------------------------------------------------------------ ranges

// Averages whose value is a convex mix of closes seen: the hull of those closes, give or take
// the rounding of the mix.
RangeCase within_closes(const char* type, std::vector<double> params) {
    return RangeCase{type, std::move(params), 0.0, 0.0, true, 4.0};
}

// 0.5 ln((1 + 0.999) / (1 - 0.999)): the Fisher value of the clamped extreme.
const double kFisherBound = 0.5 * std::log(1.999 / (1.0 - 0.999)) * (1.0 + 1e-12);

const std::vector<RangeCase>& range_table() {
    static const std::vector<RangeCase> table = {
        // Relative strength and momentum oscillators.
        {"Cmo", {1}, -100.0, 100.0},
        {"Cmo", {4}, -100.0, 100.0},
        {"Cmo", {14}, -100.0, 100.0},
        {"Rsi", {2}, 0.0, 100.0},
        {"Rsi", {14}, 0.0, 100.0},
        {"FisherRsi", {4}, -kFisherBound, kFisherBound},
        {"ConnorsRsi", {3, 2, 5}, 0.0, 100.0},
        {"StochRsi", {4, 3}, 0.0, 100.0},
        {"DerivativeOscillator", {4, 3, 3, 2}, -100.0, 100.0},  // two averages of an RSI apart
        {"AdaptiveRsi", {4}, 0.0, 100.0},
        {"AnchoredRsi", {}, 0.0, 100.0},
        {"Rmi", {4, 3}, 0.0, 100.0},
        {"Rmi", {2, 1}, 0.0, 100.0},
        {"Rsx", {4}, 0.0, 100.0},
        {"DynamicMomentumIndex", {14}, 0.0, 100.0},
        {"LaguerreRsi", {0.5}, 0.0, 100.0},
        {"Tii", {5, 4}, 0.0, 100.0},
        {"Tii", {1, 3}, 0.0, 100.0},
        // Labels and bounded coefficients.
        {"ElderImpulse", {4, 2, 5, 3}, -1.0, 1.0},
        {"RegimeLabel", {5, 10}, -1.0, 1.0},
        {"TrendLabel", {5}, -1.0, 1.0},
        {"TrendStrengthIndex", {5}, -1.0, 1.0},
        {"RSquared", {5}, 0.0, 1.0},
        {"CorrelationTrendIndicator", {5}, -1.0, 1.0},
        {"JumpIndicator", {5, 2.0}, -1.0, 1.0},
        {"RviVolatility", {5}, 0.0, 100.0},
        {"UniversalOscillator", {10}, -1.0, 1.0},
        {"EhlersStochastic", {10}, -1.0, 1.0},
        {"EvenBetterSinewave", {40, 10}, -1.0, 1.0},
        {"InverseFisherTransform", {1.0}, -1.0, 1.0},
        {"AdaptiveCycle", {}, 3.0, 25.0},
        {"HtTrendMode", {}, 0.0, 1.0},
        {"SineWave", {}, -1.0, 1.0},
        {"AutocorrelationPeriodogram", {8, 48}, 8.0, 48.0},
        // Volatilities and drawdowns: never negative.
        {"RealizedVolatility", {5}, 0.0, kInf},
        {"BipowerVariation", {5}, 0.0, kInf},
        {"HistoricalVolatility", {5, 252}, 0.0, kInf},
        {"EwmaVolatility", {0.94}, 0.0, kInf},
        {"Garch11", {1e-6, 0.1, 0.8}, 0.0, kInf},
        {"VolatilityOfVolatility", {3, 3}, 0.0, kInf},
        {"UlcerIndex", {5}, 0.0, kInf},
        {"MaxDrawdown", {5}, 0.0, kInf},
        {"AverageDrawdown", {5}, 0.0, kInf},
        {"PainIndex", {5}, 0.0, kInf},
        // Shares and ratios of gains to losses.
        {"WinRate", {5}, 0.0, 1.0},
        {"KellyCriterion", {5}, -kInf, 1.0},
        {"KellyCriterion", {2}, -kInf, 1.0},
        {"ProfitFactor", {5}, 0.0, kInf},
        {"OmegaRatio", {5, 0.0}, 0.0, kInf},
        {"OmegaRatio", {3, 0.5}, 0.0, kInf},
        {"GainLossRatio", {5}, 0.0, kInf},
        {"UpsidePotentialRatio", {3, 0.0}, 0.0, kInf},
        {"UpsidePotentialRatio", {5, 0.04}, 0.0, kInf},
        {"UpsidePotentialRatio", {4, 0.05}, 0.0, kInf},
        {"OmegaRatio", {4, 0.05}, 0.0, kInf},
        {"WinRate", {3}, 0.0, 1.0},
        {"ValueAtRisk", {5, 0.95}, 0.0, kInf},
        {"ConditionalValueAtRisk", {5, 0.95}, 0.0, kInf},
        // Window statistics.
        {"Variance", {5}, 0.0, kInf},
        {"StdDev", {5}, 0.0, kInf},
        {"MedianAbsoluteDeviation", {5}, 0.0, kInf},
        {"RollingIqr", {5}, 0.0, kInf},
        {"JarqueBera", {5}, 0.0, kInf},
        {"DetrendedStdDev", {5}, 0.0, kInf},
        {"StandardError", {5}, 0.0, kInf},
        {"RollingPercentileRank", {5}, 0.0, 100.0},
        {"RollingMinMaxScaler", {5}, 0.0, 1.0},
        {"HurstExponent", {16, 2}, 0.0, 1.0},
        {"ShannonEntropy", {8, 4}, 0.0, 2.0},
        {"SampleEntropy", {10, 2, 0.2}, 0.0, kInf},
        // Averages of the closes seen.
        within_closes("Vidya", {9, 4}),
        within_closes("Vidya", {2, 14}),
        within_closes("Vidya", {1, 1}),
        within_closes("Ema", {5}),
        within_closes("Smma", {5}),
        within_closes("Trima", {5}),
        within_closes("Alma", {9, 0.85, 6}),
        within_closes("MedianMa", {5}),
        within_closes("RollingQuantile", {5, 0.3}),
        within_closes("MidPoint", {5}),
        within_closes("Kama", {5, 2, 30}),
        within_closes("Frama", {16}),
        within_closes("GeometricMa", {5}),
    };
    return table;
}

// ------------------------------------------------------------------ the property

TEST(RangePropertyTest, EveryValueStaysInItsRange) {
    for (const RangeCase& c : range_table())
        for (const NamedSeries& s : adversarial_series()) test::expect_values_in_range(c, s.closes, s.name);
}

// The table covers what it claims: every row builds, and each row gives values on the ordinary
// walk (a range over no values would prove nothing).
TEST(RangePropertyTest, EveryRowGivesValues) {
    Vec walk = test::varied_closes(700, 17, false);
    for (const RangeCase& c : range_table()) {
        auto built = build_indicator(c.type, c.params);
        ASSERT_TRUE(built) << test::describe_range(c);
        std::size_t values = 0;
        for (double x : walk) values += test::update_close(**built, x) ? 1 : 0;
        EXPECT_GT(values, 0u) << test::describe_range(c);
    }
}

// Pinned through the registry: three flat changes and one rise of 1.01e-16 give 100.
TEST(RangePropertyTest, ResidueWindowOfCmoGivesItsBound) {
    const Vec period = {4};
    auto cmo = build_indicator("Cmo", period);
    ASSERT_TRUE(cmo);
    std::optional<double> last;
    for (double x : cmo_residue_closes()) last = test::update_close(**cmo, x);
    ASSERT_TRUE(last);
    EXPECT_EQ(*last, 100.0);
}

}  // namespace
}  // namespace prynox
