// The DeMark bar pieces, built from the registry: worked cases of each rule, its ties and its
// order of tests; and every type over varied candles against its rule applied to each accepted
// candle and the one or two accepted candles before it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "indicators/directional_movement/candle_runs.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::bar;
using test::Candles;
using test::flat;
using test::Series;
constexpr std::optional<double> N = std::nullopt;

// The rules, q the candle two back, p the one before, b the current one.
using Rule = std::function<double(const Candle& q, const Candle& p, const Candle& b)>;

double sign(bool up, bool down) { return up ? 1.0 : down ? -1.0 : 0.0; }

const std::vector<std::pair<const char*, Rule>>& rules() {
    static const std::vector<std::pair<const char*, Rule>> all = {
        {"TdClop",
         [](const Candle&, const Candle& p, const Candle& b) {
             return sign(b.open < std::min(p.open, p.close) && b.close > std::max(p.open, p.close),
                         b.open > std::max(p.open, p.close) && b.close < std::min(p.open, p.close));
         }},
        {"TdClopwin",
         [](const Candle&, const Candle& p, const Candle& b) {
             const double lo = std::min(p.open, p.close), hi = std::max(p.open, p.close);
             const bool in = lo <= std::min(b.open, b.close) && std::max(b.open, b.close) <= hi;
             return sign(in && b.close >= b.open, in && b.close < b.open);
         }},
        {"TdOpen",
         [](const Candle&, const Candle& p, const Candle& b) {
             return sign(b.open < p.low && b.high > p.low, b.open > p.high && b.low < p.high);
         }},
        {"TdPropulsion",
         [](const Candle&, const Candle& p, const Candle& b) {
             return sign(b.open >= p.close && b.close > p.high, b.open <= p.close && b.close < p.low);
         }},
        {"TdCamouflage",
         [](const Candle&, const Candle& p, const Candle& b) {
             return sign(b.close > b.open && b.close < p.close && b.low < p.low,
                         b.close < b.open && b.close > p.close && b.high > p.high);
         }},
        {"TdTrap",
         [](const Candle& q, const Candle& p, const Candle& b) {
             const bool inside = p.high < q.high && p.low > q.low;
             return sign(inside && b.close > p.high, inside && b.close < p.low);
         }},
        {"TdDifferential",
         [](const Candle& q, const Candle& p, const Candle& b) {
             const double bp = b.close - std::min(b.low, p.close), sp = std::max(b.high, p.close) - b.close;
             const double bp1 = p.close - std::min(p.low, q.close), sp1 = std::max(p.high, q.close) - p.close;
             return sign(b.close < p.close && p.close < q.close && bp > bp1 && sp < sp1,
                         b.close > p.close && p.close > q.close && bp < bp1 && sp > sp1);
         }},
    };
    return all;
}

// Candles on a grid of quarters that open with gaps from the previous close, so that every rule
// meets both of its signs, ties included.
Candles gapped_candles(std::size_t n, std::uint64_t seed) {
    Candles out;
    const auto q = [](double x) { return std::round(x * 4.0) / 4.0; };
    double close = 100.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double open = q(close + test::unit(seed) * 3.0);
        close = q(open + test::unit(seed) * 3.0);
        out.push_back(bar(open, std::max(open, close) + q(std::fabs(test::unit(seed))), std::min(open, close) - q(std::fabs(test::unit(seed))), close));
    }
    return out;
}

std::size_t span_of(const std::string& type) { return type == "TdTrap" || type == "TdDifferential" ? 3 : 2; }

TEST(DemarkBarPiecesTest, AgainstTheirRules) {
    const std::vector<Candles> data = {test::varied_candles(420, 5, true), test::varied_candles(300, 9, false),
                                       test::grid_candles(400, 3), gapped_candles(3000, 4)};
    for (const auto& [type, rule] : rules()) {
        const std::size_t k = span_of(type);
        std::size_t signals[3] = {0, 0, 0};
        for (const Candles& bars : data) {
            const Candles a = test::accepted_candles(bars);
            Series want(a.size());
            for (std::size_t t = k - 1; t < a.size(); ++t) {
                want[t] = rule(a[t + 1 - k], a[t - 1], a[t]);
                ++signals[static_cast<int>(*want[t]) + 1];
            }
            std::uint64_t warmup = 0;
            test::expect_series(test::run_candles(type, {}, bars, &warmup), test::on_accepted(bars, want), 0.0, type);
            EXPECT_EQ(warmup, k) << type;
        }
        // The data reach every outcome of every rule.
        EXPECT_TRUE(signals[0] > 0 && signals[1] > 0 && signals[2] > 0)
            << type << ": " << signals[0] << " " << signals[1] << " " << signals[2];
    }
}

struct Case {
    const char* type;
    Candles candles;
    Series want;
};

TEST(DemarkBarPiecesTest, WorkedCases) {
    const Candle body = bar(10, 12, 8, 11);  // previous body [10, 11], range [8, 12]
    const std::vector<Case> cases = {
        // CLOP: opens below both ends of the previous body and closes above both, and the mirror.
        {"TdClop", {body, bar(9.5, 11.5, 9, 11.25)}, {N, 1.0}},
        {"TdClop", {body, bar(11.5, 12, 9, 9.75)}, {N, -1.0}},
        {"TdClop", {body, bar(10, 11.5, 9, 11.25)}, {N, 0.0}},   // opening on the previous open
        {"TdClop", {body, bar(9.5, 11.5, 9, 11)}, {N, 0.0}},     // closing on the previous close
        // CLOPWIN: both ends inside the previous body, its ends included.
        {"TdClopwin", {body, bar(10.5, 11, 10, 10.5)}, {N, 1.0}},  // open = close
        {"TdClopwin", {body, bar(10, 11, 10, 11)}, {N, 1.0}},      // on the body's ends
        {"TdClopwin", {body, bar(11, 11, 10, 10)}, {N, -1.0}},
        {"TdClopwin", {body, bar(10, 11.5, 9, 11.25)}, {N, 0.0}},
        {"TdClopwin", {bar(11, 12, 8, 10), bar(10.25, 11, 10, 10.75)}, {N, 1.0}},  // a falling previous body
        // Open: below the previous low and back above it; above the previous high and back below.
        {"TdOpen", {body, bar(7.5, 8.5, 7, 8)}, {N, 1.0}},
        {"TdOpen", {body, bar(7.5, 8, 7, 8)}, {N, 0.0}},  // back to the low only
        {"TdOpen", {body, bar(12.5, 13, 11.5, 12)}, {N, -1.0}},
        {"TdOpen", {body, bar(12, 13, 11.5, 12)}, {N, 0.0}},  // opening on the high
        // Propulsion: open at the previous close, close just above the previous high.
        {"TdPropulsion", {body, bar(11, 12.25, 11, 12.25)}, {N, 1.0}},
        {"TdPropulsion", {body, bar(11, 12, 11, 12)}, {N, 0.0}},  // closing on the previous high
        {"TdPropulsion", {body, bar(11, 11, 7, 7.5)}, {N, -1.0}},
        {"TdPropulsion", {body, bar(11.5, 11.5, 7, 7.5)}, {N, 0.0}},
        // Camouflage: an up bar closing lower with a lower low; a down bar closing higher with a
        // higher high.
        {"TdCamouflage", {body, bar(7.5, 10.5, 7, 10.5)}, {N, 1.0}},
        {"TdCamouflage", {body, bar(8, 10.5, 8, 10.5)}, {N, 0.0}},  // low on the previous low
        {"TdCamouflage", {body, bar(12, 12.5, 11, 11.5)}, {N, -1.0}},
        {"TdCamouflage", {body, bar(11, 11, 11, 11)}, {N, 0.0}},
        // Trap: an inside bar, then a close beyond it.
        {"TdTrap", {body, bar(10, 11.5, 9, 10.5), bar(10.5, 12, 10, 11.75)}, {N, N, 1.0}},
        {"TdTrap", {body, bar(10, 11.5, 9, 10.5), bar(10.5, 11, 8, 8.5)}, {N, N, -1.0}},
        {"TdTrap", {body, bar(10, 11.5, 9, 10.5), bar(10.5, 11.5, 9, 11.5)}, {N, N, 0.0}},
        {"TdTrap", {body, bar(10, 12, 9, 10.5), bar(10.5, 20, 10, 19)}, {N, N, 0.0}},  // same high: not inside
        {"TdTrap", {body, bar(10, 11.5, 8, 10.5), bar(10.5, 11, 1, 2)}, {N, N, 0.0}},   // same low
        // Differential: two lower closes, buying pressure up, selling pressure down.
        {"TdDifferential", {bar(12, 13, 11, 12), bar(11.5, 12, 9, 10), bar(9, 9.9, 7, 9.8)}, {N, N, 1.0}},
        {"TdDifferential", {bar(8, 9, 7, 8), bar(8.5, 11, 8, 10), bar(10.9, 13, 10.1, 10.5)}, {N, N, -1.0}},
        {"TdDifferential", {bar(12, 13, 11, 12), bar(11.5, 12, 9, 10), bar(9, 12, 7, 9.8)}, {N, N, 0.0}},
    };
    for (const Case& c : cases) test::expect_series(test::run_candles(c.type, {}, c.candles), c.want, 0.0, c.type);
}

// A candle failing its check is skipped: the next one is compared with the last valid candle.
TEST(DemarkBarPiecesTest, InvalidCandlesAreSkipped) {
    Candle invalid = bar(10, 9, 11, 10);  // high below low
    test::expect_series(test::run_candles("TdPropulsion", {}, {bar(10, 12, 8, 11), invalid, bar(11, 12.25, 11, 12.25)}),
                        {N, N, 1.0});
    test::expect_series(
        test::run_candles("TdDifferential", {}, {bar(12, 13, 11, 12), invalid, bar(11.5, 12, 9, 10), invalid,
                                                 bar(9, 9.9, 7, 9.8), flat(9.8)}),
        {N, N, N, N, 1.0, 0.0});
}

}  // namespace
}  // namespace prynox
