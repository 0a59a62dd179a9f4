#pragma once
// Swing pattern cases for the chart and harmonic tables: the pivots a case asks for become flat
// candles at each pivot price and one last bar that confirms the newest pivot. Every step is
// checked against the reversal rule here, so a case cannot ask for swings the rule would not
// confirm, and the pivots of a case are exactly those written.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"

namespace prynox::test {

// The swing pivots each pattern reads.
inline const std::map<std::string, std::size_t> kPivotsRead = {
    {"DoubleTopBottom", 3}, {"FlagPennant", 3},     {"Wedge", 4},          {"Triangle", 4},    {"RectangleRange", 4},
    {"CupAndHandle", 4},    {"Abcd", 4},            {"TripleTopBottom", 5}, {"HeadAndShoulders", 5}, {"Gartley", 5},
    {"Bat", 5},             {"Butterfly", 5},       {"Crab", 5},           {"Cypher", 5},      {"Shark", 5},
    {"ThreeDrives", 7}};

struct SwingCase {
    const char* type;
    std::vector<double> pivots;  // oldest first, starting with a swing high
    double want;                 // on the bar that confirms the last pivot
    const char* why;
    std::vector<double> params = {};
};

inline Candle flat_candle(double x) { return {0, x, x, x, x, 100.0}; }

inline std::vector<Candle> swing_candles(const std::vector<double>& pivots) {
    std::vector<Candle> out;
    for (std::size_t j = 0; j + 1 < pivots.size(); ++j) {
        const double p = pivots[j], q = pivots[j + 1];
        out.push_back(flat_candle(p));
        EXPECT_TRUE(j % 2 == 0 ? q <= p && q <= p * (1 - 0.05) : q >= p && q >= p * (1 + 0.05)) << "pivot " << j;
    }
    // Then the last pivot, and a bar beyond the 5 % reversal from it that is no new extreme.
    const double last = pivots.back();
    out.push_back(flat_candle(last));
    out.push_back(flat_candle((pivots.size() % 2 == 1) == (last >= 0.0) ? last * 0.9 : last * 1.1));
    return out;
}

// Each case on its own indicator: no value before the bar that confirms the pivots the type
// reads, a value from it on, the case's signal on the last bar, and 0.0 on a further bar that
// confirms nothing.
inline void check_swing_cases(const std::vector<SwingCase>& cases) {
    for (const SwingCase& c : cases) {
        auto built = build_indicator(c.type, c.params);
        ASSERT_TRUE(built.has_value()) << c.type;
        const std::size_t n = kPivotsRead.at(c.type);
        EXPECT_EQ((*built)->warmup_period(), n + 1) << c.type;
        std::vector<Candle> bars = swing_candles(c.pivots);
        if (bars.back().close >= 1.0) bars.push_back(bars.back());  // 5 % of it is not lost to rounding
        for (std::size_t j = 0; j < bars.size(); ++j) {
            BarContext ctx;
            ctx.candle = &bars[j];
            const OptionalValue v = (*built)->update(ctx);
            ASSERT_EQ(v.has_value(), j >= n) << c.type << " bar " << j << ": " << c.why;
            if (j < c.pivots.size()) continue;
            EXPECT_EQ(v, j == c.pivots.size() ? c.want : 0.0) << c.type << " bar " << j << ": " << c.why;
        }
    }
}

}  // namespace prynox::test
