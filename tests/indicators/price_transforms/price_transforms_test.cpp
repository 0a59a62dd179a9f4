// The price transforms and bar measures against their formulas written out once here, over
// candles with negative, zero and huge prices, flat bars, zero volumes and refused candles; the
// worked edge cases; and the overflow that the formulas keep.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "indicators/cores/candle_check.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Series;
using Candles = std::vector<Candle>;
using Opt = std::optional<double>;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr Opt N = std::nullopt;

Candle bar(double o, double h, double l, double c, double v = 1000.0) { return {0, o, h, l, c, v}; }
Candle flat(double x) { return bar(x, x, x, x); }

Series run(const std::string& type, const Candles& bars) {
    auto built = build_indicator(type, {});
    if (!built) {
        ADD_FAILURE() << type << ": " << built.error().display();
        return Series(bars.size());
    }
    Series out;
    for (const Candle& c : bars) {
        BarContext ctx;
        ctx.candle = &c;
        out.push_back((*built)->update(ctx));
    }
    return out;
}

// Candles of every shape: a walk of quarters around 0 (exact zeros and negatives, opens and
// closes of 0), prices off the grid, bars on their high or low, flat bars, zero volumes, prices
// near the double range, and candles the check refuses.
Candles candles() {
    Candles out;
    std::uint64_t s = 11;
    double x = 0.0;
    for (int i = 0; i < 400; ++i) {
        const double o = x;
        const double c = x = std::round((x + test::unit(s) * 3.0) * 4.0) / 4.0;
        double up = std::round(std::fabs(test::unit(s)) * 6.0) / 4.0;
        double down = std::round(std::fabs(test::unit(s)) * 6.0) / 4.0;
        if (i % 9 == 0) up = 0.0;
        if (i % 11 == 0) down = 0.0;
        const double v = i % 13 == 0 ? 0.0 : 100.0 + i % 17 * 37.5;
        out.push_back(i % 19 == 0 ? flat(c) : bar(o, std::max(o, c) + up, std::min(o, c) - down, c, v));
    }
    // Prices off any grid, so that the order of the sums shows.
    for (int i = 0; i < 200; ++i) {
        const double o = 1.0 + test::unit(s) * 0.9, c = 1.0 + test::unit(s) * 0.9;
        const double up = std::fabs(test::unit(s)) * 0.3, down = std::fabs(test::unit(s)) * 0.3;
        out.push_back(bar(o, std::max(o, c) + up, std::min(o, c) - down, c, 10.0 / 3.0 + i));
    }
    for (double k : {0.1, -1.0 / 3.0, 0.0, 7.3, 1e-310}) out.push_back(flat(k));
    out.insert(out.end(), {bar(1e308, 1.7e308, 1e308, 1.5e308), bar(-1e308, 1.7e308, -1.7e308, 1e308, 1e-300),
                           bar(1.5, 2, 1, 1.5, 1e308), bar(3, 3.5, 2, 2.5, 1e-320), flat(1.7e308), flat(-1.7e308)});
    // Refused: NaN close, high below low, negative volume, infinite volume, low above the open.
    for (std::size_t i : {5u, 6u, 77u, 200u, 401u}) {
        Candle& k = out[i];
        if (i == 5) k.close = std::numeric_limits<double>::quiet_NaN();
        if (i == 6) std::swap(k.high, k.low), k.high -= 1.0;
        if (i == 77) k.volume = -1.0;
        if (i == 200) k.volume = kInf;
        if (i == 401) k.low = k.open + 1.0;
    }
    return out;
}

// ------------------------------------------------------------------ the formulas, written once

double mid(double a, double b) {
    return std::fabs(a) <= 8.988465674311579e307 && std::fabs(b) <= 8.988465674311579e307 ? (a + b) * 0.5
                                                                                          : a * 0.5 + b * 0.5;
}

using Formula = std::function<Opt(const Candle&)>;

struct Transform {
    const char* type;
    Formula f;
};

const std::vector<Transform> kTransforms = {
    {"AvgPrice", [](const Candle& k) -> Opt { return (((k.open + k.high) + k.low) + k.close) * 0.25; }},
    {"WeightedClose", [](const Candle& k) -> Opt { return ((k.high + k.low) + (k.close + k.close)) * 0.25; }},
    {"TypicalPrice",
     [](const Candle& k) -> Opt { return k.high == k.low ? k.close : ((k.high + k.low) + k.close) / 3.0; }},
    {"MedianPrice", [](const Candle& k) -> Opt { return mid(k.high, k.low); }},
    {"HighLowRange", [](const Candle& k) -> Opt { return k.close == 0 ? 0.0 : (k.high - k.low) / k.close; }},
    {"CloseVsOpen", [](const Candle& k) -> Opt { return k.open == 0 ? 0.0 : (k.close - k.open) / k.open; }},
    {"BodySizePct",
     [](const Candle& k) -> Opt { return k.high == k.low ? 0.0 : std::fabs(k.close - k.open) / (k.high - k.low); }},
    {"BalanceOfPower",
     [](const Candle& k) -> Opt { return k.high == k.low ? 0.0 : (k.close - k.open) / (k.high - k.low); }},
    {"ShadowRatio",
     [](const Candle& k) -> Opt {
         if (k.high == k.low) return 0.0;
         const double upper = k.high - (k.open > k.close ? k.open : k.close);
         const double lower = (k.open < k.close ? k.open : k.close) - k.low;
         return (upper - lower) / (k.high - k.low);
     }},
    {"IntradayIntensity",
     [](const Candle& k) -> Opt {
         const double r = k.high - k.low;
         return r > 0 ? (((k.close + k.close) - k.high) - k.low) * k.volume / r : 0.0;
     }},
    {"MarketFacilitationIndex",
     [](const Candle& k) -> Opt { return k.volume == 0 ? N : Opt((k.high - k.low) / k.volume); }},
};

// The largest of the range and the distances of high and low from the previous valid close.
Series ref_true_range(const Candles& bars) {
    Series out;
    Opt pc;
    for (const Candle& k : bars) {
        if (!candle_passes(k)) {
            out.push_back(N);
            continue;
        }
        const double hl = k.high - k.low;
        out.push_back(pc ? std::max({hl, std::fabs(k.high - *pc), std::fabs(k.low - *pc)}) : hl);
        pc = k.close;
    }
    return out;
}

TEST(PriceTransforms, MatchTheirFormulasOnEveryValidCandle) {
    const Candles bars = candles();
    for (const Transform& t : kTransforms) {
        Series want;
        for (const Candle& k : bars) want.push_back(candle_passes(k) ? t.f(k) : N);
        test::expect_series(run(t.type, bars), want, 0.0, t.type);
    }
    test::expect_series(run("TrueRange", bars), ref_true_range(bars), 0.0, "TrueRange");
}

// ------------------------------------------------------------------ worked edge cases

struct Pin {
    const char* type;
    Candles bars;
    Series want;
};

TEST(PriceTransforms, EdgeCases) {
    const Candle flat_tenth = flat(0.1), no_volume = bar(2, 3, 1, 2.5, 0.0), bad = bar(1, 0, 2, 1);
    const std::vector<Pin> pins = {
        // A flat bar: no shape, no range, and the price itself from every average.
        {"BodySizePct", {flat_tenth}, {0.0}},
        {"BalanceOfPower", {flat_tenth}, {0.0}},
        {"ShadowRatio", {flat_tenth}, {0.0}},
        {"IntradayIntensity", {flat_tenth}, {0.0}},
        {"TrueRange", {flat_tenth}, {0.0}},
        {"MedianPrice", {flat_tenth}, {0.1}},
        {"TypicalPrice", {flat_tenth}, {0.1}},
        {"AvgPrice", {flat_tenth}, {0.1}},
        {"WeightedClose", {flat_tenth}, {0.1}},
        // Zero volume: no facilitation index, no intensity.
        {"MarketFacilitationIndex", {no_volume, bar(2, 3, 1, 2.5, 4.0)}, {N, 0.5}},
        {"IntradayIntensity", {no_volume}, {0.0}},
        // A gap up from 10 to a bar from 12 to 14: the distance to the high, 4, not the range.
        {"TrueRange", {bar(10, 11, 9, 10), bar(12, 14, 12, 13)}, {2.0, 4.0}},
        // A refused first candle: the first valid one still gives its range.
        {"TrueRange", {bad, bar(5, 8, 4, 6)}, {N, 4.0}},
        {"CloseVsOpen", {bar(0, 1, 0, 1), bar(-2, -1, -2, -1)}, {0.0, -0.5}},
        {"HighLowRange", {bar(1, 2, 0, 0), bar(1, 2, 0, 0.5)}, {0.0, 4.0}},
        {"MedianPrice", {bar(1.6e308, 1.7e308, 1.6e308, 1.7e308)}, {1.6499999999999999e308}},  // the halves added
        // Only an upper shadow is positive, only a lower one negative.
        {"ShadowRatio", {bar(0, 10, 0, 6), bar(4, 10, 0, 10)}, {0.4, -0.4}},
        {"BalanceOfPower", {bar(0, 10, 0, 6), bar(10, 10, 0, 0)}, {0.6, -1.0}},
        {"IntradayIntensity", {bar(0, 10, 0, 10, 3.0), bar(5, 10, 0, 0, 3.0), bar(5, 10, 0, 5, 3.0)}, {3.0, -3.0, 0.0}},
    };
    for (const Pin& p : pins) test::expect_series(run(p.type, p.bars), p.want, 0.0, p.type);
}

// Kept as written: the formulas overflow near the largest doubles and say so, and since no type
// keeps more than a close, the next bar is what it would have been.
TEST(PriceTransforms, OverflowGivesWhatTheFormulaGives) {
    const Candle huge = bar(1e308, 1.7e308, 1e308, 1.7e308), wide = bar(0, 1.7e308, -1.7e308, 0);
    const Candle next = bar(2, 3, 1, 2);
    EXPECT_EQ(run("AvgPrice", {huge}), Series{kInf});
    EXPECT_EQ(run("WeightedClose", {huge}), Series{kInf});
    EXPECT_EQ(run("TypicalPrice", {huge, next}), (Series{kInf, 2.0}));
    EXPECT_EQ(run("TrueRange", {wide, next}), (Series{kInf, 3.0})) << "the next bar reaches back to the close 0";
    EXPECT_EQ(run("HighLowRange", {bar(1, 1.7e308, -1.7e308, 1)}), Series{kInf});
    const Series bop = run("BalanceOfPower", {bar(-1.7e308, 1.7e308, -1.7e308, 1.7e308), next});
    EXPECT_TRUE(bop[0] && std::isnan(*bop[0]));
    EXPECT_EQ(bop[1], 0.0);
    EXPECT_EQ(run("MarketFacilitationIndex", {bar(1, 2, 0, 1, 1e-320)}), Series{kInf});
}

}  // namespace
}  // namespace prynox
