// Registry entries of the RSI family: every constructor check with its message, in the type's
// order, the warm-up each built object reports, and that the boxed objects read the close.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"
#include "indicators/rsi_family/adaptive_rsi.hpp"
#include "indicators/rsi_family/anchored_rsi.hpp"
#include "indicators/rsi_family/cmo.hpp"
#include "indicators/rsi_family/connors_rsi.hpp"
#include "indicators/rsi_family/derivative_oscillator.hpp"
#include "indicators/rsi_family/dynamic_momentum_index.hpp"
#include "indicators/rsi_family/fisher_rsi.hpp"
#include "indicators/rsi_family/rmi.hpp"
#include "indicators/rsi_family/rsi.hpp"
#include "indicators/rsi_family/rsx.hpp"
#include "indicators/rsi_family/stoch_rsi.hpp"

namespace prynox {
namespace {

using namespace test;

TEST(RsiFamilyEntriesTest, OneWindowTypes) {
    for (const char* type : {"Rsi", "Cmo", "FisherRsi", "AdaptiveRsi", "Rsx", "DynamicMomentumIndex"}) {
        // A 0 is refused by the reader; a value that reads as 0 reaches the window check.
        for (const EntryCase& c : {EntryCase{type, {0}, "parameter #0 must be a positive integer, got 0"},
                                   EntryCase{type, {1e-17}, kZero}, EntryCase{type, {16777217}, kMax},
                                   EntryCase{type, {1e30}, kMax}, EntryCase{type, {16777216}, ""},
                                   EntryCase{type, {1}, ""}, EntryCase{type, {14, 99, -1}, ""},
                                   EntryCase{type, {}, "missing parameter #0"},
                                   EntryCase{type, {2.5}, "parameter #0 must be a positive integer, got 2.5"}})
            EXPECT_EQ(outcome(c), c.message) << describe(c);
    }
}

TEST(RsiFamilyEntriesTest, ChecksInOrder) {
    const std::vector<EntryCase> cases = {
        // Zeros first (the rank lookback included), then the two RSIs in turn; k is not bounded.
        {"ConnorsRsi", {3, 2, 1e-17}, kZero},
        {"ConnorsRsi", {1e-17, 2, 3}, kZero},
        {"ConnorsRsi", {3, 1e-17, 3}, kZero},
        {"ConnorsRsi", {16777217, 1e-17, 3}, kZero},
        {"ConnorsRsi", {16777217, 2, 3}, kMax},
        {"ConnorsRsi", {3, 16777217, 3}, kMax},
        {"ConnorsRsi", {3, 2, 1e9}, ""},
        {"ConnorsRsi", {16777216, 16777216, 1}, ""},
        {"ConnorsRsi", {3, 2}, "missing parameter #2"},
        {"ConnorsRsi", {3, 0, 100}, "parameter #1 must be a positive integer, got 0"},
        {"StochRsi", {16777217, 14}, kMax},
        {"StochRsi", {14, 1e-17}, kZero},
        {"StochRsi", {16777217, 1e-17}, kZero},
        {"StochRsi", {14, 1e9}, ""},
        {"StochRsi", {14}, "missing parameter #1"},
        {"Rmi", {1e-17, 3}, kZero},
        {"Rmi", {3, 1e-17}, kZero},
        {"Rmi", {1e9, 1e9}, ""},
        {"Rmi", {16777217, 5}, ""},
        {"Rmi", {14, -5}, "parameter #1 must be a positive integer, got -5"},
        // Zeros, then the RSI, then the three smoothing lengths.
        {"DerivativeOscillator", {16777217, 5, 3, 1e-17}, kZero},
        {"DerivativeOscillator", {14, 1e-17, 16777217, 9}, kZero},
        {"DerivativeOscillator", {16777217, 5, 3, 9}, kMax},
        {"DerivativeOscillator", {14, 16777217, 3, 9}, kMax},
        {"DerivativeOscillator", {14, 5, 16777217, 9}, kMax},
        {"DerivativeOscillator", {14, 5, 3, 16777217}, kMax},
        {"DerivativeOscillator", {16777216, 16777216, 16777216, 16777216}, ""},
        {"DerivativeOscillator", {14, 5, 3}, "missing parameter #3"},
        {"AnchoredRsi", {}, ""},
        {"AnchoredRsi", {1, 2, 3}, ""},
        {"AnchoredRsi", {-1, 0.5}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(outcome(c), c.message) << describe(c);
}

TEST(RsiFamilyEntriesTest, ConstructorsPassTheRsiErrorsThrough) {
    for (auto e : {FisherRsi::create(0).error(), ConnorsRsi::create(0, 2, 3).error(), StochRsi::create(5, 0).error(),
                   DerivativeOscillator::create(1, 1, 0, 1).error(), Rmi::create(0, 1).error()})
        EXPECT_EQ(e.display(), kZero);
    for (auto e : {Rsi::create(16777217).error(), FisherRsi::create(16777217).error(),
                   ConnorsRsi::create(2, 16777217, 3).error(), StochRsi::create(16777217, 1).error(),
                   DerivativeOscillator::create(16777217, 1, 1, 1).error()})
        EXPECT_EQ(e.display(), kMax);
}

TEST(RsiFamilyEntriesTest, WarmUps) {
    const std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    const std::vector<std::pair<EntryCase, std::uint64_t>> cases = {
        {{"Rsi", {14}}, 15},
        {{"Rsi", {16777216}}, 16777217},
        {{"Cmo", {14}}, 15},
        {{"FisherRsi", {9}}, 10},
        {{"ConnorsRsi", {3, 2, 100}}, 101},
        {{"ConnorsRsi", {3, 5, 2}}, 7},
        {{"ConnorsRsi", {10, 2, 3}}, 11},
        {{"ConnorsRsi", {3, 2, 1e30}}, max},
        {{"StochRsi", {14, 14}}, 28},
        {{"StochRsi", {14, 1e30}}, max},
        {{"DerivativeOscillator", {14, 5, 3, 9}}, 29},
        {{"DerivativeOscillator", {1, 1, 1, 1}}, 2},
        {{"AdaptiveRsi", {14}}, 15},
        {{"AnchoredRsi", {}}, 2},
        {{"Rmi", {14, 5}}, 19},
        {{"Rmi", {1e30, 5}}, max},
        {{"Rsx", {14}}, 15},
        {{"DynamicMomentumIndex", {14}}, 31},
        {{"DynamicMomentumIndex", {1}}, 31},
    };
    for (const auto& [c, warmup] : cases) {
        expect_built_warmup(c, warmup);
        EXPECT_EQ(indicator_feed(c.type), Feed::Kline);
    }
}

// The boxed object gives, bar by bar, what the type's own state gives for the close.
template <class State>
void expect_boxed_matches(const char* type, std::vector<double> params, State state) {
    auto built = build_indicator(type, params);
    ASSERT_TRUE(built) << type;
    std::vector<double> closes = varied_closes(200, 21, true);
    Series boxed;
    for (double x : closes) {
        Candle c{0, x, x, x, x, 1.0};
        BarContext ctx;
        ctx.candle = &c;
        boxed.push_back((*built)->update(ctx));
    }
    expect_series_exact(boxed, run(state, closes));
}

TEST(RsiFamilyEntriesTest, BuiltObjectsReadTheClose) {
    expect_boxed_matches("Rsi", {14}, *Rsi::create(14));
    expect_boxed_matches("Cmo", {9}, *Cmo::create(9));
    expect_boxed_matches("FisherRsi", {9}, *FisherRsi::create(9));
    expect_boxed_matches("ConnorsRsi", {3, 2, 20}, *ConnorsRsi::create(3, 2, 20));
    expect_boxed_matches("StochRsi", {14, 5}, *StochRsi::create(14, 5));
    expect_boxed_matches("DerivativeOscillator", {14, 5, 3, 9}, *DerivativeOscillator::create(14, 5, 3, 9));
    expect_boxed_matches("AdaptiveRsi", {14}, *AdaptiveRsi::create(14));
    expect_boxed_matches("AnchoredRsi", {}, AnchoredRsi{});
    expect_boxed_matches("Rmi", {14, 5}, *Rmi::create(14, 5));
    expect_boxed_matches("Rsx", {14}, *Rsx::create(14));
    expect_boxed_matches("DynamicMomentumIndex", {14}, *DynamicMomentumIndex::create(14));
}

}  // namespace
}  // namespace prynox
