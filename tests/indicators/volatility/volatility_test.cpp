// The volatility measures of the close, built from the registry, against plain recomputations
// of their definitions over the returns (or closes) they accept; the worked numbers; refused
// closes; the anchored sums' core; and windows that grow with the data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "core/registry/registry.hpp"
#include "indicators/cores/shifted_sums_window.hpp"
#include "indicators/volatility/ewma_volatility.hpp"
#include "indicators/volatility/garch11.hpp"
#include "indicators/volatility/jump_indicator.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Series;
using Vec = std::vector<double>;
using Opt = std::optional<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr Opt N = std::nullopt;
// Between the bars on which a running sum is rebuilt it may drift from the plain sum.
constexpr double kDrift = 1e-6;

// The varied closes with closes the log-return types refuse (zeros, negatives, and one whose
// ratio to its neighbour has no finite log); a constant series; moves then a flat run, long and
// short; a doubling series (equal returns) then a jump; a ratio that overflows after a tiny close; last,
// quiet closes with spikes, whose large returns leave running sums a residue that only a rebuild
// clears.
std::vector<Vec> datasets() {
    Vec v = test::varied_closes(400, 7, true);
    v[40] = 0.0, v[41] = -3.5, v[90] = -0.0, v[170] = 1e-323, v[305] = -120.0;
    Vec after, doubling, spikes;
    for (int i = 0; i < 60; ++i) after.push_back(100 + 37 * std::sin(i * 1.3) + (i % 7 == 0 ? 900 : 0));
    Vec brief(after.begin(), after.begin() + 5);
    after.resize(120, 0.3), brief.resize(25, 0.3);
    for (int i = 0; i < 60; ++i) doubling.push_back(std::ldexp(1.0, i - 30));
    doubling.push_back(doubling.back() * 1000);
    for (int i = 0; i < 300; ++i) spikes.push_back(i % 37 == 5 ? 300.0 : 100.0 + 0.01 * std::sin(i * 0.7));
    return {v, Vec(80, 0.1), after, brief, doubling, {1e10, 1e-300, 1e10, 1e-290, 1e-280, 1e-290}, spikes};
}

// What a type reads: log returns of the positive closes (a return that has no finite log is
// refused, and the next one is taken from its close all the same), or the closes themselves;
// with the bar each came from.
struct Inputs {
    Vec v;
    std::vector<std::size_t> bar;
};
Inputs inputs_of(const Vec& closes, bool returns) {
    Inputs in;
    Opt previous;
    for (std::size_t i = 0; i < closes.size(); ++i) {
        double x = closes[i], r = x;
        if (!std::isfinite(x) || (returns && !(x > 0.0))) continue;
        if (returns) {
            const Opt from = std::exchange(previous, x);
            if (!from || !std::isfinite(r = std::log(x / *from))) continue;
        }
        in.v.push_back(r), in.bar.push_back(i);
    }
    return in;
}

// Mean and variance of y[0..n) from the sums of deviations from its plain mean, as the anchored
// sums stand right after a rebuild: sample (S2 - n (S1 / n)^2, fused) / (n - 1) or population
// S2 / n - (S1 / n)^2, floored at +0; 0 for equal values.
struct Spread {
    double mean, variance;
};
Spread spread(const double* y, std::size_t n, bool sample) {
    const double nd = static_cast<double>(n);
    double sum = 0.0, s1 = 0.0, s2 = 0.0;
    for (std::size_t i = 0; i < n; ++i) sum += y[i];
    const double m = sum / nd;
    bool flat = true;
    for (std::size_t i = 0; i < n; ++i) s1 += y[i] - m, s2 += (y[i] - m) * (y[i] - m), flat = flat && y[i] == y[0];
    const double u = s1 / nd, v = sample ? std::fma(nd, -(u * u), s2) / (nd - 1.0) : s2 / nd - u * u;
    return {m + u, flat || !(v > 0.0) ? 0.0 : v};
}

// The definition of each type over its inputs, one value or none per input.
Series reference(const std::string& type, const Vec& p, const Vec& v) {
    Series out(v.size());
    const std::size_t n = static_cast<std::size_t>(p.empty() ? 0.0 : p[0]);
    double a = 0.0, b = 0.0, avg_up = 0.0, avg_down = 0.0;  // recursion state
    Vec vols, squares, ups, downs;
    for (std::size_t t = 0; t < v.size(); ++t) {
        const double* w = t + 1 >= n ? &v[t + 1 - n] : nullptr;  // the last n inputs
        if (type == "EwmaVolatility") {
            a = t == 0 ? v[t] * v[t] : a * p[0] + v[t] * (v[t] * (1.0 - p[0]));
            out[t] = std::sqrt(a);
        } else if (type == "Garch11") {
            // The variance forecast from the returns before; none while it is not finite.
            double next = t == 0 || !(b > 0.0) ? p[0] / ((1.0 - p[1]) - p[2]) : (p[0] + p[1] * a) + p[2] * b;
            if (!(std::isfinite(next) && next > 0.0)) continue;
            b = next, a = v[t] * v[t], out[t] = std::sqrt(b);
        } else if (type == "RealizedVolatility" && w) {
            double q = -0.0;
            for (std::size_t i = 0; i < n; ++i) q += w[i] * w[i];
            out[t] = std::sqrt(q);
        } else if (type == "BipowerVariation" && w) {
            double q = -0.0;
            for (std::size_t i = 1; i < n; ++i) q += std::fabs(w[i] * w[i - 1]);
            out[t] = q * 1.5707963267948966;
        } else if (type == "HistoricalVolatility" && w) {
            out[t] = std::sqrt(spread(w, n, true).variance) * std::sqrt(p[1]) * 100.0;
        } else if (type == "JumpIndicator" && t >= n) {
            Spread s = spread(&v[t - n], n, true);
            double sd = std::sqrt(s.variance), dev = v[t] - s.mean;
            out[t] = s.variance == 0.0 ? 0.0 : dev > sd * p[1] ? 1.0 : dev < -(p[1] * sd) ? -1.0 : 0.0;
        } else if (type == "VolatilityOfVolatility" && w) {
            const std::size_t q = static_cast<std::size_t>(p[1]);
            vols.push_back(std::sqrt(spread(w, n, true).variance));
            if (vols.size() >= q) out[t] = std::sqrt(spread(&vols[vols.size() - q], q, true).variance);
        } else if (type == "UlcerIndex" && w) {
            double peak = *std::max_element(w, w + n);
            squares.push_back(peak == 0.0 ? 0.0 : ((v[t] - peak) * 100.0 / peak) * ((v[t] - peak) * 100.0 / peak));
            if (squares.size() < n) continue;
            double d = -0.0;
            for (std::size_t i = squares.size() - n; i < squares.size(); ++i) d += squares[i];
            out[t] = std::sqrt(d / static_cast<double>(n));
        } else if (type == "RviVolatility" && w) {
            // Wilder averages of the window's population deviation on up and down closes.
            const double sd = std::sqrt(spread(w, n, false).variance), nd = static_cast<double>(n);
            const double up = v[t] > v[t - 1] ? sd : 0.0, down = v[t] < v[t - 1] ? sd : 0.0;
            if (ups.size() >= n) {
                avg_up = std::fma(avg_up, nd - 1.0, up) / nd, avg_down = std::fma(avg_down, nd - 1.0, down) / nd;
            } else {
                ups.push_back(up), downs.push_back(down);
                if (ups.size() < n) continue;
                for (std::size_t i = 0; i < n; ++i) avg_up += ups[i], avg_down += downs[i];
                avg_up /= nd, avg_down /= nd;
            }
            out[t] = avg_up + avg_down == 0.0 ? 50.0 : (100.0 * avg_up) / (avg_up + avg_down);
        }
    }
    return out;
}

TEST(VolatilityTest, EveryTypeAgainstItsDefinition) {
    struct Row {
        const char* type;
        std::vector<Vec> params;
        bool returns;
        int resum;   // running sums rebuilt on the inputs t with (t + resum) % n == 0; -1: none
        double tol;  // on those inputs (on every input without running sums); kDrift elsewhere
    };
    const std::vector<Row> rows = {
        {"RealizedVolatility", {{1}, {2}, {5}, {20}, {45}}, true, 1, 1e-12},
        {"BipowerVariation", {{2}, {3}, {5}, {10}, {31}}, true, 0, 1e-12},
        {"HistoricalVolatility", {{2, 1}, {10, 252}, {20, 365}, {40, 1}}, true, 1, 1e-12},
        {"EwmaVolatility", {{0.5}, {0.94}, {0.999}}, true, -1, 1e-12},
        {"Garch11", {{1e-6, 0.1, 0.85}, {2e-5, 0.0, 0.0}, {1e-4, 0.3, 0.0}, {1e308, 0.0, 0.5}}, true, -1, 1e-12},
        {"JumpIndicator", {{2, 1.0}, {5, 2.0}, {20, 3.0}, {20, 0.25}, {13, 1e-9}}, true, -1, 0.0},
        {"VolatilityOfVolatility", {{2, 2}, {5, 3}, {20, 10}, {3, 30}}, true, -1, kDrift},
        {"RviVolatility", {{2}, {3}, {10}, {14}, {40}}, false, -1, kDrift},
        {"UlcerIndex", {{1}, {2}, {7}, {14}, {33}}, false, 2, 0.0},
    };
    const std::vector<Vec> data = datasets();
    for (const Vec& closes : data)
        for (const Row& row : rows) {
            // The spikes check the cadence of the rebuilt sums; they leave the volatility of
            // volatility ill-conditioned.
            if (&closes == &data.back() && row.resum < 0) continue;
            const Inputs in = inputs_of(closes, row.returns);
            for (const Vec& p : row.params) {
                const std::size_t n = static_cast<std::size_t>(p[0]);
                Series want(closes.size()), per_input = reference(row.type, p, in.v);
                Vec tol(closes.size(), 0.0);
                for (std::size_t t = 0; t < in.v.size(); ++t) {
                    want[in.bar[t]] = per_input[t];
                    tol[in.bar[t]] = row.resum < 0 || (t + row.resum) % n == 0 ? row.tol : kDrift;
                }
                test::expect_series(test::run_built(row.type, p, closes), want,
                                    [&tol](std::size_t i) { return tol[i]; }, test::describe(row.type, p), 0.0);
            }
        }
}

TEST(VolatilityTest, WorkedNumbers) {
    // The return 1e10 / 1e-300 has no finite log; the next is taken from 1e10: ln 2, then equal
    // returns of ln 2.
    const double ln2 = std::log(2.0);
    const Vec tiny = {1e-300, 1e10, 2e10, 4e10, 8e10};
    test::expect_pins({
        {"RealizedVolatility", {1}, {1e-300, 1e10, 2e10}, {N, N, ln2}, 1e-12},
        {"EwmaVolatility", {0.5}, {1e-300, 1e10, 2e10}, {N, N, ln2}, 1e-12},
        {"Garch11", {1e-6, 0.1, 0.85}, {1e-300, 1e10, 2e10}, {N, N, std::sqrt(1e-6 / ((1.0 - 0.1) - 0.85))}, 1e-12},
        {"HistoricalVolatility", {2, 1}, {1e-300, 1e10, 2e10, 4e10}, {N, N, N, 0.0}},
        {"BipowerVariation", {2}, {1e-300, 1e10, 2e10, 4e10}, {N, N, N, (ln2 * ln2) * 1.5707963267948966}, 1e-12},
        {"JumpIndicator", {2, 1.0}, tiny, {N, N, N, N, 0.0}},
        {"VolatilityOfVolatility", {2, 2}, tiny, {N, N, N, N, 0.0}},
        // 6 after the refused 1e300 is a down close: the deviation 0.5 goes to the down average.
        {"RviVolatility", {2}, {1, 3, 5, 1e300, 6}, {N, N, 100.0, N, (100.0 * 0.5) / 0.75}},
        {"RviVolatility", {2}, {1, 2, 3}, {N, N, 100.0}},
        // A peak of 0 is no drawdown; -2 under the peak -1 is a drawdown of +100 %.
        {"UlcerIndex", {2}, {-3, 0, -1, -2, 4, 2, 1}, {0.0, std::sqrt(5e3), std::sqrt(5e3), std::sqrt(1250.0), 50.0}},
    });
}

// The next close is compared with the refused one: on the side of the close before it, the run
// goes on as without it.
TEST(VolatilityTest, ClosesWhoseDeviationsCannotBeSquaredAreRefused) {
    const Vec xs = test::varied_closes(300, 3, false);
    for (std::size_t at : {1u, 2u, 5u, 40u, 150u, 299u})
        if (xs[at] != xs[at - 1])
            test::expect_refused({"RviVolatility", {10}, xs, at, {xs[at] > xs[at - 1] ? -1e300 : 1e300}});
    for (std::size_t at : {40u, 150u, 299u}) test::expect_refused({"UlcerIndex", {10}, xs, at, {-1e300}});
}

TEST(VolatilityTest, ChecksOnlyTheConstructorsReachAndWindowsGrowWithTheData) {
    const std::string finite = "invalid parameter: GARCH(1,1) parameters must be finite";
    EXPECT_EQ(Garch11::create(kNaN, 0.1, 0.8).error().display(), finite);
    EXPECT_EQ(Garch11::create(1e-6, 0.1, kInf).error().display(), finite);
    EXPECT_FALSE(EwmaVolatility::create(kNaN));
    EXPECT_EQ(JumpIndicator::create(20, kInf).error().display(),
              "invalid parameter: jump indicator threshold must be finite and positive");
    // The anchored sums give a flat window after variation no spread whatever residue they hold;
    // their window grows with the data and refuses what cannot be squared.
    ShiftedSumsWindow flat(3);
    for (double x : {5.3, -2.1, 9.7, 0.45, 3.3, 1.1, 8.8, 0.3, 0.3, 0.3}) ASSERT_TRUE(flat.push(x));
    EXPECT_TRUE(flat.population_variance() == 0.0 && flat.sample_variance() == 0.0);
    ShiftedSumsWindow w(16'777'216);
    for (int i = 0; i < 500; ++i) ASSERT_TRUE(w.push(100 + i));
    EXPECT_LE(w.values().storage(), 1024u);
    EXPECT_FALSE(w.push(1e200));
    EXPECT_EQ(w.size(), 500u);
    // Windows not bounded by MAX_PERIOD build, saturate their warm-up and run over a short series.
    EXPECT_EQ((*build_indicator("VolatilityOfVolatility", Vec{1e19, 1e19}))->warmup_period(), ~std::uint64_t{0});
    EXPECT_EQ(test::first_value_bar(test::run_built("VolatilityOfVolatility", {1e19, 1e19}, datasets()[0])), 0u);
}

}  // namespace
}  // namespace prynox
