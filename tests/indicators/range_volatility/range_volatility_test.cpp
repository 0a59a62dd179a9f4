// The range volatility estimators, built from the registry, against a plain recomputation of
// each window's mean term, candles whose logarithms are not finite among them (refused); windows
// of zero terms; the pinned cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "support/candle_runs.hpp"

namespace prynox {
namespace {

using namespace test;

// A walk of candles around 100 with wide bars now and then; `hostile` candles whose logarithms
// are not finite at a few places (a zero low, prices of both signs, ratios that overflow or
// underflow); then a run of candles with no range, a run of negative prices and quiet bars.
Candles walk(std::size_t n, std::uint64_t seed, bool hostile) {
    Candles out;
    double x = 100.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double o = x, c = std::fabs(x + test::unit(seed) * (i % 23 == 0 ? 9.0 : 1.2)) + 0.5;
        const double h = std::max(o, c) + std::fabs(test::unit(seed)) * 0.8, l = std::min(o, c) - std::fabs(test::unit(seed)) * 0.4;
        out.push_back(bar(o, h, l, c));
        x = c;
    }
    if (hostile)
        for (auto [at, c] : std::vector<std::pair<std::size_t, Candle>>{
                 {7, bar(1, 2, 0, 1)}, {30, bar(0.5, 1, -1, -0.5)}, {31, bar(-0.0, 0, -2, -1)},
                 {90, bar(1e-300, 1e300, 1e-300, 1e300)}, {91, bar(-1e-300, -1e-300, -1e300, -1e-300)},
                 {150, bar(1, 1, 0, 0)}})
            out.insert(out.begin() + static_cast<std::ptrdiff_t>(at), c);
    for (int i = 0; i < 45; ++i) out.push_back(bar(50, 50, 50, 50));
    for (int i = 0; i < 30; ++i) out.push_back(bar(-3 - 0.1 * (i % 4), -2.5, -3.5 - 0.05 * i, -3.2));
    for (int i = 0; i < 40; ++i) out.push_back(bar(7, 7 + 1e-9 * (i % 5), 7 - 1e-9 * (i % 3), 7));
    return out;
}

// The term of each estimator from its definition.
double term(const std::string& type, const Candle& c) {
    const double o = c.open, h = c.high, l = c.low, cl = c.close;
    if (type == "ParkinsonVolatility") return std::log(h / l) * std::log(h / l);
    if (type == "GarmanKlassVolatility")
        return 0.5 * (std::log(h / l) * std::log(h / l)) - (2 * std::log(2.0) - 1) * (std::log(cl / o) * std::log(cl / o));
    return std::fma(std::log(h / cl), std::log(h / o), std::log(l / o) * std::log(l / cl));
}

// Annualised percent volatility of the mean of the last n accepted terms (summed oldest first);
// the window's sum is rebuilt exactly every n accepted candles, which is where `exact` is set.
// Between rebuilds the running sum may be off by a few rounding steps of the windows summed since
// the last one: `slack` bounds that on the value squared.
struct Expected {
    Series values;
    std::vector<char> exact, zero;
    std::vector<double> slack;
};
Expected reference(const std::string& type, std::size_t n, double a, const Candles& candles) {
    Expected e{Series(candles.size()), std::vector<char>(candles.size()), std::vector<char>(candles.size()),
               std::vector<double>(candles.size())};
    std::vector<double> terms, sums;
    for (std::size_t i = 0; i < candles.size(); ++i) {
        const double t = term(type, candles[i]);
        if (!std::isfinite(t)) continue;
        terms.push_back(t);
        if (terms.size() < n) continue;
        double sum = -0.0;
        bool zero = true;
        for (std::size_t k = terms.size() - n; k < terms.size(); ++k) sum += terms[k], zero = zero && terms[k] == 0.0;
        const double scale = (type == "ParkinsonVolatility" ? 1 / (4 * std::log(2.0)) : 1.0) * a * 1e4 / static_cast<double>(n);
        e.values[i] = std::sqrt(std::max(sum * scale / a / 1e4, 0.0)) * std::sqrt(a) * 100.0;
        e.exact[i] = terms.size() % n == 0, e.zero[i] = zero;
        sums.push_back(std::fabs(sum));
        const double largest = *std::max_element(sums.end() - static_cast<std::ptrdiff_t>(std::min(sums.size(), 2 * n)), sums.end());
        e.slack[i] = 4.0 * static_cast<double>(n) * 2.3e-16 * largest * scale;
    }
    return e;
}

const char* const kTypes[] = {"ParkinsonVolatility", "GarmanKlassVolatility", "RogersSatchellVolatility"};

TEST(RangeVolatilityTest, EveryTypeAgainstItsDefinition) {
    const std::vector<std::vector<double>> params = {{1, 252}, {2, 1}, {3, 365}, {7, 252}, {20, 252}, {40, 12}};
    for (const Candles& candles : {walk(400, 3, true), walk(150, 11, false)})
        for (const char* type : kTypes)
            for (const auto& p : params) {
                const Expected e = reference(type, static_cast<std::size_t>(p[0]), p[1], candles);
                const Series got = run_candles(type, p, candles);
                const std::string what = test::describe(type, p);
                bool some_zero = false;
                for (std::size_t i = 0; i < candles.size(); ++i) {
                    ASSERT_EQ(got[i].has_value(), e.values[i].has_value()) << what << ", bar " << i;
                    if (!got[i]) continue;
                    const double want = *e.values[i];
                    if (e.zero[i]) {
                        // A window of candles without range: exactly 0 on every bar.
                        ASSERT_TRUE(test::same_bits(*got[i], 0.0)) << what << ", bar " << i << ": " << *got[i];
                        some_zero = true;
                    } else if (e.exact[i]) {
                        ASSERT_NEAR(*got[i], want, 1e-12 * want) << what << ", bar " << i;
                    } else {
                        // Between rebuilds the running sum may keep a residue of earlier terms.
                        ASSERT_NEAR(*got[i] * *got[i], want * want, e.slack[i] + 1e-12 * want * want) << what << ", bar " << i;
                    }
                }
                EXPECT_TRUE(some_zero) << what;
            }
}

TEST(RangeVolatilityTest, PinnedCases) {
    // n = 1 reads the current candle only.
    const double parkinson = std::fabs(std::log(104.0 / 97.0)) * std::sqrt(0.3606737602222412) * std::sqrt(252.0) * 100;
    EXPECT_NEAR(*run_candles("ParkinsonVolatility", {1, 252}, {bar(100, 104, 97, 102)}).back(), parkinson, 1e-12 * parkinson);
    // Close at the high and open at the low: both products vanish.
    EXPECT_EQ(run_candles("RogersSatchellVolatility", {2, 252}, {bar(97, 104, 97, 104), bar(3, 5, 3, 5)}).back(), 0.0);
    // No range and no body.
    for (const char* type : kTypes) EXPECT_EQ(run_candles(type, {2, 252}, Candles(2, bar(4, 4, 4, 4))).back(), 0.0);
    // Garman-Klass terms are positive, but between rebuilds the window's running sum can fall below
    // 0 once a wide candle has left: a tiny window after a wide candle gives 0, not NaN.
    const auto tiny = [](double t) { return bar(1, std::exp(std::sqrt(2 * t)), 1, 1); };  // a term of t
    const Candles candles = {bar(1, 3, 1, 1), tiny(1e-17), tiny(1e-17), tiny(1e-18), tiny(1e-18)};
    EXPECT_EQ(run_candles("GarmanKlassVolatility", {3, 1}, candles).back(), 0.0);
}

}  // namespace
}  // namespace prynox
