// The drawdown measures and the risk and performance ratios, built from the registry, against
// plain recomputations of their definitions over varied level and return series;
// residues, overflows and inputs that must be refused; the largest window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "indicators/risk_ratios/k_ratio.hpp"
#include "indicators/risk_ratios/m2_measure.hpp"
#include "indicators/risk_ratios/upside_potential_ratio.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Series;
using Vec = std::vector<double>;
using Opt = std::optional<double>;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr Opt N = std::nullopt;
// A running sum drifts from the plain sum between its recomputations (all along where it has
// none): relative to the value, or absolute where the value is below 1 (a sum about 0).
constexpr double kDrift = 1e-6;

// Per-bar returns: noisy stretches with exact zeros and large moves, then an all-zero run, a
// constant gain, a constant loss, decimals whose sums leave a residue, a run equal to 0.005, and
// non-finite bars; the varied closes; levels that cross zero.
std::vector<Vec> datasets() {
    Vec r;
    std::uint64_t seed = 7;
    for (std::size_t i = 0; i < 420; ++i) {
        double noise = test::unit(seed) * 0.05 + (test::splitmix(seed) % 23 == 0 ? test::unit(seed) * 0.6 : 0.0);
        double tenths = (static_cast<double>(test::splitmix(seed) % 7) - 3.0) / 10.0;
        r.push_back(i % 7 == 0 ? 0.0 : i >= 250 && i < 300 ? tenths : noise);
        for (auto [from, value] : {std::pair{60u, 0.0}, {150u, 0.01}, {220u, -0.02}, {300u, 0.005}})
            if (i >= from && i < from + 30) r.back() = value;
    }
    for (std::size_t i : {5u, 40u, 41u, 95u, 170u, 260u, 310u, 400u})
        r[i] = i % 3 == 0 ? kNaN : (i % 3 == 1 ? kInf : -kInf);
    Vec levels;
    double x = 0.5;
    for (int i = 0; i < 150; ++i) levels.push_back(x = i % 11 == 0 ? 0.0 : x + test::unit(seed));
    for (int i = 0; i < 30; ++i) levels.push_back(1.0 + i);
    for (double c : test::varied_closes(220, 11, true)) levels.push_back(c);
    levels[20] = kNaN, levels[160] = -kInf;
    return {r, test::varied_closes(400, 42, true), levels};
}

Opt finite(double v) { return std::isfinite(v) ? Opt(v) : N; }

// Drawdown episodes of levels visited in order from a starting peak: count, depths, squares.
struct Episodes {
    double count = 0.0, depths = 0.0, squares = 0.0;
};
Episodes episodes(const Vec& levels, double peak) {
    Episodes e;
    double trough = 0.0;
    bool open = false;
    auto close = [&] {
        double d = (peak - trough) / peak;
        if (open && peak > 0.0) e.count += 1.0, e.depths += d, e.squares += d * d;
        open = false;
    };
    for (double v : levels) {
        if (v >= peak) close(), peak = v;
        else if (!open || v < trough) trough = v, open = true;
    }
    close();
    return e;
}

// The value of a full window (oldest first) by the definition of the type.
Opt reference(const std::string& type, const Vec& p, const Vec& w) {
    const double n = static_cast<double>(w.size());
    double sum = 0.0, equity = 1.0, gains = 0.0, losses = 0.0, wins = 0.0, fails = 0.0;
    Vec curve;
    for (double r : w) {
        sum += r, curve.push_back(equity *= 1.0 + r);
        if (r > 0.0) gains += r, wins += 1.0;
        if (r < 0.0) losses += -r, fails += 1.0;
    }
    const bool tally = std::isfinite(gains) && std::isfinite(losses);
    double peak = type == "MartinRatio" || type == "CalmarRatio" ? 1.0 : -kInf, largest = 0.0, pain = 0.0;
    for (double v : type == "MaxDrawdown" || type == "PainIndex" ? w : curve) {
        peak = std::max(peak, v);
        double d = type == "MartinRatio" ? ((peak - v) * 100.0) / peak : (peak - v) / peak;
        if (peak > 0.0) largest = std::max(largest, d), pain += type == "MartinRatio" ? d * d : d;
    }
    if (type == "MaxDrawdown") return finite(largest);
    if (type == "PainIndex") return finite(pain / n);
    if (type == "AverageDrawdown") {
        Episodes e = episodes(w, -kInf);
        return e.count == 0.0 ? 0.0 : finite(e.depths / e.count);
    }
    if (type == "CalmarRatio" || type == "SterlingRatio" || type == "BurkeRatio" || type == "MartinRatio") {
        if (!std::isfinite(equity) || !std::isfinite(sum)) return N;
        Episodes e = episodes(curve, 1.0);
        double risk = type == "CalmarRatio" ? largest
                      : type == "SterlingRatio" ? (e.count == 0.0 ? 0.0 : e.depths / e.count)
                      : type == "BurkeRatio"    ? std::sqrt(e.squares)
                                                : std::sqrt(pain / n);
        if (!std::isfinite(risk)) return N;
        return risk > 0.0 ? finite((sum / n) / risk) : 0.0;
    }
    if (type == "SharpeRatio" || type == "M2Measure") {
        // Mean and sample variance from deviations from the plain mean, as the anchored sums
        // stand right after a rebuild; 0 for a window without spread.
        double s1 = 0.0, s2 = 0.0, mean = sum / n;
        for (double r : w) s1 += r - mean, s2 += (r - mean) * (r - mean);
        double u = s1 / n, v = (s2 - n * (u * u)) / (n - 1.0), m = mean + u;
        if (std::all_of(w.begin(), w.end(), [&](double r) { return r == w[0]; }) || !(v > 0.0)) return 0.0;
        return finite(type == "SharpeRatio" ? (m - p[1]) / std::sqrt(v) : p[1] + (p[2] * (m - p[1])) / std::sqrt(v));
    }
    if (type == "SortinoRatio" || type == "UpsidePotentialRatio") {
        double up = 0.0, down = 0.0;
        for (double r : w) up += std::max(r - p[1], 0.0), down += r - p[1] < 0.0 ? (r - p[1]) * (r - p[1]) : 0.0;
        if (!std::isfinite(down / n)) return N;
        if (!(down / n > 0.0)) return 0.0;
        return finite((type == "SortinoRatio" ? sum / n - p[1] : up / n) / std::sqrt(down / n));
    }
    if (type == "GainToPainRatio") return losses > 0.0 ? finite(sum / losses) : 0.0;
    if (type == "Expectancy") return fails == 0.0 ? 0.0 : finite((sum / n) / (losses / fails));
    if (type == "WinRate") return wins / n;
    if (type == "OmegaRatio") {
        double g = 0.0, l = 0.0;
        for (double r : w) (r - p[1] >= 0.0 ? g : l) += std::fabs(r - p[1]);
        if (!std::isfinite(g) || !std::isfinite(l)) return N;
        return l == 0.0 ? (g == 0.0 ? 1.0 : kInf) : g / l;
    }
    if (!tally) return N;
    if (type == "ProfitFactor") return losses == 0.0 ? (gains == 0.0 ? 1.0 : kInf) : gains / losses;
    if (type == "GainLossRatio")
        return fails == 0.0 ? (wins == 0.0 ? 1.0 : kInf) : (wins == 0.0 ? 0.0 : gains / wins) / (losses / fails);
    if (type == "KellyCriterion") {
        double win_share = wins / n;
        if (fails == 0.0 || wins == 0.0) return fails == 0.0 ? win_share : -1.0;
        return finite(win_share - (1.0 - win_share) / ((gains / wins) / (losses / fails)));
    }
    // KRatio: the cumulative sums regressed on 1 .. n; 0 for a constant window.
    if (std::all_of(w.begin(), w.end(), [&](double r) { return r == w[0]; })) return 0.0;
    Vec c;
    double sum_c = 0.0, sxy = 0.0, sxx = 0.0, rss = 0.0;
    for (double r : w) sum_c += c.emplace_back((c.empty() ? 0.0 : c.back()) + r);
    const double mi = (n + 1.0) / 2.0, mc = sum_c / n;
    for (std::size_t i = 0; i < c.size(); ++i) sxy += (i + 1.0 - mi) * (c[i] - mc), sxx += (i + 1 - mi) * (i + 1 - mi);
    const double b = sxy / sxx, a = mc - b * mi;
    for (std::size_t i = 0; i < c.size(); ++i) rss += (c[i] - (a + b * (i + 1.0))) * (c[i] - (a + b * (i + 1.0)));
    if (!std::isfinite(sum_c) || !std::isfinite(b) || !std::isfinite(rss)) return N;
    return rss > 0.0 ? finite(b / std::sqrt((rss / (n - 2.0)) / sxx)) : 0.0;
}

// Over the whole run: return since the first close over the largest drawdown so far.
Series recovery_factor(const Vec& xs) {
    Series out;
    double peak = -kInf, largest = 0.0;
    for (double x : xs) {
        peak = std::max(peak, x);
        if (peak > 0.0) largest = std::max(largest, (peak - x) / peak);
        out.push_back(xs[0] == 0.0 ? N : largest == 0.0 ? Opt(0.0) : finite((x / xs[0] - 1.0) / largest));
    }
    return out;
}

TEST(RiskRatiosTest, EveryTypeAgainstItsDefinition) {
    const std::vector<Vec> level = {{1}, {2}, {5}, {20}, {60}}, compounded = {{2}, {3}, {10}, {40}, {200}};
    const std::vector<Vec> tally = {{1}, {2}, {7}, {30}, {100}};
    const std::vector<Vec> mar = {{2, 0.005}, {3, 0.0}, {10, -0.01}, {30, 0.005}, {90, 0.0}};
    const std::vector<test::TableRow> rows = {
        {"MaxDrawdown", level}, {"PainIndex", level}, {"AverageDrawdown", level}, {"CalmarRatio", compounded, true},
        {"SterlingRatio", compounded}, {"BurkeRatio", compounded}, {"MartinRatio", compounded},
        {"SharpeRatio", {{2, 0.001}, {3, 0.0}, {10, 0.001}, {30, -0.5}, {120, 0.001}}, true},
        {"M2Measure", {{2, 0.001, 0.15}, {3, 0.0, 1.0}, {10, 0.001, 0.15}, {30, 0.02, 0.0}, {120, 0.001, 0.15}}, true},
        {"SortinoRatio", mar, true}, {"UpsidePotentialRatio", mar, false, kDrift},
        {"GainToPainRatio", tally, false, kDrift}, {"Expectancy", tally, false, kDrift}, {"ProfitFactor", tally},
        {"GainLossRatio", tally}, {"KellyCriterion", tally}, {"WinRate", tally},
        {"OmegaRatio", {{1, 0.0}, {2, 0.005}, {7, 100.0}, {30, 0.0}, {100, 0.005}}}, {"KRatio", {{3}, {4}, {12}, {50}}},
    };
    for (const Vec& bars : datasets()) {
        test::expect_series(test::run_built("RecoveryFactor", {}, bars),
                            test::on_bars(bars, recovery_factor(test::accepted(bars))), 0.0, "RecoveryFactor");
        for (const test::TableRow& row : rows)
            for (const Vec& p : row.params)
                test::expect_windows(row.type, p, p[0], bars, [&](const Vec& w) { return reference(row.type, p, w); },
                                     [&](std::size_t t) { return row.tol_at(t, p[0], kDrift); }, 1.0);
    }
}

// Sums that once held values since gone keep a rounding residue; the window itself says the
// promised value. Values whose sums or squares overflow give none, and the window moves on.
TEST(RiskRatiosTest, ResiduesAndOverflowsLeaveNoTrace) {
    const Vec after = {0.3, -0.7, 0.2, 0.9, 0.4, 0.6, 0.1, 0.1, 0.1, 0.1, 0.1}, gone = {-0.1, -0.2, 0.3, 0.3, 0.3, 0.0};
    test::expect_pins({
        {"SharpeRatio", {5, 0.0}, after, {0.0}}, {"M2Measure", {5, 0.02, 0.1}, after, {0.0}},
        {"KRatio", {5}, {0.4, -0.2, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1}, {0.0}},
        {"UpsidePotentialRatio", {2, 0.3}, {0.2, 0.1, 0.9, 0.9, 0.9}, {0.0}},
        {"UpsidePotentialRatio", {2, -0.3}, {-0.2, -0.1, -0.9, -0.9, -0.9}, {0.0}},
        {"GainToPainRatio", {2}, gone, {0.0}}, {"GainToPainRatio", {3}, gone, {0.0}},
        {"Expectancy", {2}, gone, {0.0}}, {"Expectancy", {3}, gone, {0.0}},
        {"Expectancy", {2}, {-0.1, -0.1, -0.25, 0.3, 0.3}, {0.0}},  // a residue below 0: still +0
        {"MaxDrawdown", {2}, {1e308, -1e308, 1.0}, {N, N, 0.0}},
        {"PainIndex", {2}, {1e308, -1e308}, {N}}, {"AverageDrawdown", {2}, {1e308, -1e308}, {N}},
        {"SortinoRatio", {2, 0.0}, {0.1, -1e200}, {N}},
        // Closes of 100 read as returns overflow the equity of a long window.
        {"CalmarRatio", {200}, Vec(300, 100.0), {N}}, {"MartinRatio", {200}, Vec(300, 100.0), {N}},
    });
    const Vec moving = {1.0, 2.0, 1.5, 1.25, 2.0}, mixed = {0.1, -0.2, 0.3, 0.0};
    for (const test::Refusal& r : std::vector<test::Refusal>{
         {"SharpeRatio", {3, 0.0}, moving, 3, {1e200}}, {"M2Measure", {3, 0.0, 1.0}, moving, 3, {-1e200}},
         {"UpsidePotentialRatio", {3, -1e308}, mixed, 2, {1e308}}, {"UpsidePotentialRatio", {3, 0.0}, mixed, 2, {-1e200}},
         {"UpsidePotentialRatio", {3, 0.0}, {1e308, 0.1, 0.2}, 1, {1e308}},
         {"GainToPainRatio", {2}, {1e308, -0.5, 0.25}, 1, {1e308}}, {"Expectancy", {2}, {-1e308, 0.5, 0.25}, 1, {-1e308}},
         {"CalmarRatio", {2}, {0.1, 1e308, 0.2, -0.3, 0.1}, 2, {1e308}},
         {"CalmarRatio", {3}, {0.1, -1e308, 0.2, -0.3, 0.1, 0.2}, 2, {-1e308}},
         {"RecoveryFactor", {}, {1e308, 5e307, 1e308, 2e307}, 2, {-1e308}}})
        test::expect_refused(r);
}

TEST(RiskRatiosTest, ChecksOnlyTheConstructorsReachAndWindowsGrowWithTheData) {
    const std::string m2 = "invalid parameter: risk_free must be finite and benchmark_stddev finite and non-negative";
    for (auto [rf, sd] : {std::pair{kNaN, 0.1}, {0.02, kInf}, {0.02, kNaN}})
        EXPECT_EQ(M2Measure::create(20, rf, sd).error().display(), m2) << rf << " " << sd;
    EXPECT_EQ(UpsidePotentialRatio::create(20, kNaN).error().display(), "invalid parameter: mar must be finite");
    EXPECT_EQ(UpsidePotentialRatio::create(1, kNaN).error().display(),
              "invalid period: upside potential ratio needs period >= 2");
    // The largest window costs memory for the values seen, not for the period.
    auto k = *KRatio::create(16777216);
    for (double r : test::varied_closes(500)) (void)k.update_value(r);
    EXPECT_LE(k.window().storage(), 1024u);
}

// Windows whose sums overflow: a branch of the definition that does not read a sum's size gives
// its value; one that reads it gives none, and the window moves on.
TEST(RiskRatiosTest, OverflowingSumsMatterOnlyWhereRead) {
    const double big = 1.7e308;
    const Vec gains = {big, 0.0, big}, losses = {-big, 0.0, -big};
    const Vec gains_and_a_loss = {big, big, -0.5}, losses_and_a_gain = {-big, 0.5, -big};
    test::expect_pins({
        // The share of gains without a loss, -1 with losses and no gain.
        {"KellyCriterion", {2}, {big, big}, {1.0}}, {"KellyCriterion", {3}, gains, {2.0 / 3.0}},
        {"KellyCriterion", {3}, losses, {-1.0}}, {"KellyCriterion", {3}, gains_and_a_loss, {N}},
        {"KellyCriterion", {3}, losses_and_a_gain, {N}},
        // Plus infinity for gains without a loss, 0 for losses without a gain (zeros count as
        // gains for OmegaRatio, which changes neither).
        {"ProfitFactor", {3}, gains, {kInf}}, {"ProfitFactor", {3}, losses, {0.0}},
        {"GainLossRatio", {3}, gains, {kInf}}, {"GainLossRatio", {3}, losses, {0.0}},
        {"OmegaRatio", {3, 0.0}, gains, {kInf}}, {"OmegaRatio", {3, 0.5}, {-big, 0.25, -big}, {0.0}},
        {"ProfitFactor", {3}, gains_and_a_loss, {N}}, {"GainLossRatio", {3}, losses_and_a_gain, {N}},
        {"OmegaRatio", {3, 0.0}, gains_and_a_loss, {N}}, {"ProfitFactor", {2}, {1e308, 1e308, -1.0}, {1e308}},
        // SortinoRatio: no return below mar gives 0 whatever the mean. With one, the mean is read:
        // no value while the running sum is infinite (window {big, -0.5}: its mean is finite),
        // which lasts until the recomputation every n values finds the window's sum finite again.
        {"SortinoRatio", {2, 0.0}, {big, big, -0.5, 0.25, 0.5, -1.0},
         {N, 0.0, N, ((-0.5 + 0.25) / 2.0) / std::sqrt(0.25 / 2.0), 0.0, ((0.5 + -1.0) / 2.0) / std::sqrt(1.0 / 2.0)}},
        {"SortinoRatio", {3, 0.0}, {big, big, -0.5}, {N}}, {"SortinoRatio", {3, -1.0}, {big, big, 0.5}, {0.0}},
    });
}

}  // namespace
}  // namespace prynox
