// Registry entries of the moving averages: every constructor check with its message, in the
// type's order, and the warm-up each built object reports.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"
#include "indicators/moving_averages/jma.hpp"
#include "indicators/cores/mama.hpp"
#include "indicators/moving_averages/t3.hpp"

namespace prynox {
namespace {

using namespace test;

TEST(MovingAverageEntriesTest, OneWindowTypes) {
    for (const char* type : {"Sma", "Wma", "Ema", "Smma", "McGinleyDynamic", "GeometricMa", "MedianMa", "MidPoint",
                             "Dema", "Tema", "Trima", "Hma", "Ehma", "Zlema", "SineWeightedMa"}) {
        // A 0 is refused by the reader; a value that reads as 0 reaches the window check.
        for (const EntryCase& c : {EntryCase{type, {0}, "parameter #0 must be a positive integer, got 0"},
                                   EntryCase{type, {1e-17}, kZero}, EntryCase{type, {16777217}, kMax},
                                   EntryCase{type, {16777216}, ""}, EntryCase{type, {1}, ""},
                                   EntryCase{type, {14, 99, -1}, ""},
                                   EntryCase{type, {}, "missing parameter #0"},
                                   EntryCase{type, {2.5}, "parameter #0 must be a positive integer, got 2.5"}})
            EXPECT_EQ(outcome(c), c.message) << describe(c);
    }
}

TEST(MovingAverageEntriesTest, ChecksInOrder) {
    const std::string t3 = "invalid period: T3 volume factor must be a finite value in [0.0, 1.0]";
    const std::string gd = "invalid period: GD volume factor must be a finite value in [0.0, 1.0]";
    const std::string offset = "invalid period: ALMA offset must be a finite value in [0, 1]";
    const std::string sigma = "invalid period: ALMA sigma must be a finite positive value";
    const std::string power = "invalid period: JMA power must be in 1..=4";
    const std::string kama = "invalid period: KAMA fast period must be strictly less than slow";
    const std::string limits =
        "invalid period: fast_limit, slow_limit must satisfy 0 < slow_limit <= fast_limit <= 1";
    const std::string alpha = "invalid period: HoltWinters alpha must be in (0.0, 1.0]";
    const std::string beta = "invalid period: HoltWinters beta must be in (0.0, 1.0]";
    const std::vector<EntryCase> cases = {
        {"Frama", {1e-17}, kZero},
        {"Frama", {16777217}, kMax},
        {"Frama", {16777218}, kMax},
        {"Frama", {1}, "invalid period: FRAMA period must be at least 2"},
        {"Frama", {3}, "invalid period: FRAMA period must be even"},
        {"Frama", {2}, ""},
        {"Frama", {16777216}, ""},
        {"T3", {1e-17, 2}, kZero},
        {"T3", {16777217, 2}, kMax},
        {"T3", {5, 1.0000001}, t3},
        {"T3", {5, -0.1}, t3},
        {"T3", {5, 0}, ""},
        {"T3", {5, 1}, ""},
        {"T3", {5}, "missing parameter #1"},
        {"GeneralizedDema", {1e-17, 0.5}, kZero},
        {"GeneralizedDema", {5, 1.0000001}, gd},
        {"GeneralizedDema", {5, -5e-324}, gd},
        {"GeneralizedDema", {5, 0}, ""},
        {"GeneralizedDema", {5, 1}, ""},
        {"Alma", {1e-17, 2, -1}, kZero},
        {"Alma", {9, 1.5, 6}, offset},
        {"Alma", {9, -0.1, 6}, offset},
        {"Alma", {9, 2, 0}, offset},
        {"Alma", {9, 0.85, 0}, sigma},
        {"Alma", {9, 0.85, -1}, sigma},
        {"Alma", {9, 0, 5e-324}, ""},
        {"Alma", {9, 1, 6}, ""},
        {"Alma", {9, 0.85}, "missing parameter #2"},
        {"Jma", {1e-17, 0, 9}, kZero},
        {"Jma", {7, 0, 0}, power},
        {"Jma", {7, 0, 5}, power},
        {"Jma", {7, -1000, 1}, ""},
        {"Jma", {7, 1e308, 4}, ""},
        {"Jma", {7, 0, 2.5}, "parameter #2 must be a u32, got 2.5"},
        {"Jma", {7, 0, -1}, "parameter #2 must be a u32, got -1"},
        {"Jma", {7, std::numeric_limits<double>::infinity(), 2}, "parameter #1 must be finite"},
        {"Kama", {1e-17, 2, 30}, kZero},
        {"Kama", {10, 1e-17, 30}, kZero},
        {"Kama", {10, 30, 1e-17}, kZero},
        {"Kama", {10, 30, 30}, kama},
        {"Kama", {10, 31, 30}, kama},
        {"Kama", {20000000, 2, 30}, ""},
        {"Kama", {10, 20000000, 30000000}, ""},
        {"Kama", {1e300, 2, 30}, ""},
        {"Vidya", {1e-17, 9}, kZero},
        {"Vidya", {9, 1e-17}, kZero},
        {"Vidya", {1e-17, 16777217}, kZero},
        {"Vidya", {9, 16777217}, kMax},
        {"Vidya", {100000000, 9}, ""},
        {"Vidya", {9, 16777216}, ""},
        {"Fama", {0.5, 0.05}, ""},
        {"Fama", {1, 1}, ""},
        {"Fama", {0.05, 0.5}, limits},
        {"Fama", {1.5, 0.05}, limits},
        {"Fama", {0.5, 0}, limits},
        {"Fama", {0.5, -0.1}, limits},
        {"Fama", {0.5, std::nan("")}, "parameter #1 must be finite"},
        {"HoltWinters", {0, 0.5}, alpha},
        {"HoltWinters", {-0.0, 0.5}, alpha},
        {"HoltWinters", {1.0000001, 0.5}, alpha},
        {"HoltWinters", {0, 0}, alpha},
        {"HoltWinters", {1, 0.5}, ""},
        {"HoltWinters", {0.5, 0}, beta},
        {"HoltWinters", {0.5, 1.5}, beta},
        {"HoltWinters", {0.5, 1}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(outcome(c), c.message) << describe(c);
}

TEST(MovingAverageEntriesTest, ChecksOnlyReachableThroughTheConstructors) {
    // The readers refuse non-finite reals first; the constructors still check them when used
    // directly.
    auto j = Jma::create(7, 2, std::nan(""));
    ASSERT_FALSE(j);
    EXPECT_EQ(j.error().display(), "invalid period: JMA phase must be a finite value");
    EXPECT_FALSE(T3::create(5, std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(Mama::create(std::nan(""), 0.5));
}

TEST(MovingAverageEntriesTest, WarmUps) {
    const std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    const std::vector<std::pair<EntryCase, std::uint64_t>> cases = {
        {{"Sma", {14}}, 14},
        {{"Wma", {9}}, 9},
        {{"Ema", {10}}, 10},
        {{"Zlema", {10}}, 14},
        {{"Zlema", {1}}, 1},
        {{"Dema", {10}}, 19},
        {{"Tema", {10}}, 28},
        {{"T3", {5, 0.7}}, 25},
        {{"GeneralizedDema", {10, 0.7}}, 19},
        {{"Hma", {16}}, 19},
        {{"Hma", {1}}, 1},
        {{"Hma", {2}}, 2},
        {{"Ehma", {16}}, 19},
        {{"Trima", {10}}, 10},
        {{"Smma", {10}}, 10},
        {{"McGinleyDynamic", {10}}, 10},
        {{"Alma", {9, 0.85, 6}}, 9},
        {{"SineWeightedMa", {9}}, 9},
        {{"GeometricMa", {9}}, 9},
        {{"MedianMa", {9}}, 9},
        {{"MidPoint", {9}}, 9},
        {{"Frama", {16}}, 16},
        {{"Kama", {10, 2, 30}}, 11},
        {{"Kama", {1e300, 2, 30}}, max},
        {{"Vidya", {9, 14}}, 15},
        {{"Jma", {7, 0, 2}}, 1},
        {{"HoltWinters", {0.5, 0.5}}, 2},
        {{"Fama", {0.5, 0.05}}, 33},
        {{"Dema", {16777216}}, 33554431},
        {{"T3", {16777216, 0.7}}, 100663291},
    };
    for (const auto& [c, warmup] : cases) expect_built_warmup(c, warmup);
}

TEST(MovingAverageEntriesTest, BuiltObjectsReadTheClose) {
    auto r = build_indicator("Sma", std::vector<double>{2});
    ASSERT_TRUE(r);
    EXPECT_FALSE(update_close(**r, 1));
    EXPECT_EQ(update_close(**r, 3), 2.0);
    EXPECT_FALSE(update_close(**r, std::nan("")));
    EXPECT_EQ(update_close(**r, 5), 4.0);
}

}  // namespace
}  // namespace prynox
