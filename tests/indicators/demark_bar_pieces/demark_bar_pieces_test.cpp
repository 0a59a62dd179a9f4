// The DeMark bar pieces, built from the registry: every type over varied and gapped candles (ties
// on a grid of quarters, rejected candles skipped) against its rule applied to each accepted candle
// and the one or two accepted candles before it.
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
using test::Series;

// The rules, q the candle two back, p the one before, b the current one.
using C = const Candle&;
using Rule = std::function<double(C q, C p, C b)>;

double sign(bool up, bool down) { return up ? 1.0 : down ? -1.0 : 0.0; }
double lo(C c) { return std::min(c.open, c.close); }
double hi(C c) { return std::max(c.open, c.close); }

const std::vector<std::pair<const char*, Rule>> kRules = {
    {"TdClop", [](C, C p, C b) { return sign(b.open < lo(p) && b.close > hi(p), b.open > hi(p) && b.close < lo(p)); }},
    {"TdClopwin", [](C, C p, C b) {
         const bool in = lo(p) <= lo(b) && hi(b) <= hi(p);
         return sign(in && b.close >= b.open, in && b.close < b.open); }},
    {"TdOpen", [](C, C p, C b) { return sign(b.open < p.low && b.high > p.low, b.open > p.high && b.low < p.high); }},
    {"TdPropulsion", [](C, C p, C b) {
         return sign(b.open >= p.close && b.close > p.high, b.open <= p.close && b.close < p.low); }},
    {"TdCamouflage", [](C, C p, C b) {
         return sign(b.close > b.open && b.close < p.close && b.low < p.low,
                     b.close < b.open && b.close > p.close && b.high > p.high); }},
    {"TdTrap", [](C q, C p, C b) {
         const bool inside = p.high < q.high && p.low > q.low;
         return sign(inside && b.close > p.high, inside && b.close < p.low); }},
    {"TdDifferential", [](C q, C p, C b) {
         const double bp = b.close - std::min(b.low, p.close), sp = std::max(b.high, p.close) - b.close;
         const double bp1 = p.close - std::min(p.low, q.close), sp1 = std::max(p.high, q.close) - p.close;
         return sign(b.close < p.close && p.close < q.close && bp > bp1 && sp < sp1,
                     b.close > p.close && p.close > q.close && bp < bp1 && sp > sp1); }},
};

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
    for (const auto& [type, rule] : kRules) {
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

}  // namespace
}  // namespace prynox
