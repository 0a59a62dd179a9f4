// Registry entries of the digital filters: every constructor check with its message, in the
// type's order, the warm-up each built object reports, and the close it reads.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"
#include "indicators/digital_filters/bandpass_filter.hpp"
#include "indicators/digital_filters/empirical_mode_decomposition.hpp"
#include "indicators/digital_filters/inverse_fisher_transform.hpp"
#include "indicators/digital_filters/laguerre_rsi.hpp"

namespace prynox {
namespace {

using namespace test;

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(DigitalFilterEntriesTest, OneWindowTypes) {
    for (const char* type : {"HighpassFilter", "SuperSmoother", "Decycler", "InstantaneousTrendline", "CyberneticCycle",
                             "UniversalOscillator", "AdaptiveLaguerreFilter", "Reflex", "Trendflex", "CenterOfGravity",
                             "FisherTransform", "EhlersStochastic"}) {
        for (const EntryCase& c : {EntryCase{type, {0}, "parameter #0 must be a positive integer, got 0"},
                                   EntryCase{type, {1e-17}, kZero}, EntryCase{type, {16777217}, kMax},
                                   EntryCase{type, {1e300}, kMax}, EntryCase{type, {16777216}, ""},
                                   EntryCase{type, {1}, ""}, EntryCase{type, {14, -1, 0.5}, ""},
                                   EntryCase{type, {}, "missing parameter #0"},
                                   EntryCase{type, {2.5}, "parameter #0 must be a positive integer, got 2.5"}})
            EXPECT_EQ(outcome(c), c.message) << describe(c);
    }
}

TEST(DigitalFilterEntriesTest, ChecksInOrder) {
    const std::string fast_slow = "invalid period: fast period must be strictly less than slow period";
    const std::string lp_hp = "invalid period: lp_period must be strictly less than hp_period";
    const std::string bandwidth = "invalid parameter: bandpass bandwidth must be in (0, 1)";
    const std::string fraction = "invalid period: fraction must be in (0, 1]";
    const std::string scale = "invalid period: scale must be a positive finite number";
    const std::string gamma = "invalid period: LaguerreRSI gamma must be a finite value in [0, 1]";
    const std::vector<EntryCase> cases = {
        // Zeros first, then fast < slow, then only the slow period against the maximum.
        {"DecyclerOscillator", {1e-17, 20}, kZero},
        {"DecyclerOscillator", {5, 1e-17}, kZero},
        {"DecyclerOscillator", {1e-17, 16777217}, kZero},
        {"DecyclerOscillator", {20, 20}, fast_slow},
        {"DecyclerOscillator", {21, 20}, fast_slow},
        {"DecyclerOscillator", {16777218, 16777217}, fast_slow},
        {"DecyclerOscillator", {5, 16777217}, kMax},
        {"DecyclerOscillator", {16777216, 16777217}, kMax},
        {"DecyclerOscillator", {16777215, 16777216}, ""},
        {"DecyclerOscillator", {5}, "missing parameter #1"},
        // Zeros, then lp < hp, then only lp against the maximum: hp is not bounded.
        {"RoofingFilter", {1e-17, 48}, kZero},
        {"RoofingFilter", {10, 1e-17}, kZero},
        {"RoofingFilter", {10, 10}, lp_hp},
        {"RoofingFilter", {11, 10}, lp_hp},
        {"RoofingFilter", {16777218, 16777217}, lp_hp},
        {"RoofingFilter", {16777217, 16777218}, kMax},
        {"RoofingFilter", {10, 100000000}, ""},
        {"RoofingFilter", {16777216, 1e300}, ""},
        // The window check before the bandwidth.
        {"BandpassFilter", {1e-17, 5}, kZero},
        {"BandpassFilter", {16777217, 0.5}, kMax},
        {"BandpassFilter", {20, 0}, bandwidth},
        {"BandpassFilter", {20, -0.0}, bandwidth},
        {"BandpassFilter", {20, 1}, bandwidth},
        {"BandpassFilter", {20, -0.3}, bandwidth},
        {"BandpassFilter", {20, 0.5}, ""},
        {"BandpassFilter", {20, 5e-324}, ""},
        {"BandpassFilter", {20, 0.9999999999999999}, ""},
        {"BandpassFilter", {20}, "missing parameter #1"},
        {"BandpassFilter", {20, kInf}, "parameter #1 must be finite"},
        // Zeros, then only the smoothing period against the maximum.
        {"EvenBetterSinewave", {1e-17, 10}, kZero},
        {"EvenBetterSinewave", {40, 1e-17}, kZero},
        {"EvenBetterSinewave", {40, 16777217}, kMax},
        {"EvenBetterSinewave", {100000000, 10}, ""},
        {"EvenBetterSinewave", {1e300, 16777216}, ""},
        // The window check before the fraction.
        {"EmpiricalModeDecomposition", {1e-17, 0.5}, kZero},
        {"EmpiricalModeDecomposition", {16777217, 0}, kMax},
        {"EmpiricalModeDecomposition", {20, 0}, fraction},
        {"EmpiricalModeDecomposition", {20, -1}, fraction},
        {"EmpiricalModeDecomposition", {20, 1.0000000000000002}, fraction},
        {"EmpiricalModeDecomposition", {20, 1}, ""},
        {"EmpiricalModeDecomposition", {20, 5e-324}, ""},
        {"EmpiricalModeDecomposition", {16777216, 0.5}, ""},
        {"InverseFisherTransform", {0}, scale},
        {"InverseFisherTransform", {-0.0}, scale},
        {"InverseFisherTransform", {-2}, scale},
        {"InverseFisherTransform", {5e-324}, ""},
        {"InverseFisherTransform", {1e308}, ""},
        {"InverseFisherTransform", {}, "missing parameter #0"},
        {"InverseFisherTransform", {kInf}, "parameter #0 must be finite"},
        {"LaguerreRsi", {0}, ""},
        {"LaguerreRsi", {1}, ""},
        {"LaguerreRsi", {0.5}, ""},
        {"LaguerreRsi", {1.5}, gamma},
        {"LaguerreRsi", {1.0000000000000002}, gamma},
        {"LaguerreRsi", {-5e-324}, gamma},
        {"LaguerreRsi", {}, "missing parameter #0"},
    };
    for (const auto& c : cases) EXPECT_EQ(outcome(c), c.message) << describe(c);
}

TEST(DigitalFilterEntriesTest, ChecksOnlyReachableThroughTheConstructors) {
    // The readers refuse non-finite reals and exact zeros first; the constructors still check
    // them when used directly.
    const double nan = std::nan("");
    EXPECT_EQ(BandpassFilter::create(0, 1.5).error().display(), "period must be greater than zero");
    EXPECT_EQ(BandpassFilter::create(20, nan).error().display(),
              "invalid parameter: bandpass bandwidth must be in (0, 1)");
    EXPECT_EQ(EmpiricalModeDecomposition::create(20, nan).error().display(),
              "invalid period: fraction must be in (0, 1]");
    EXPECT_EQ(InverseFisherTransform::create(kInf).error().display(),
              "invalid period: scale must be a positive finite number");
    EXPECT_EQ(LaguerreRsi::create(nan).error().display(),
              "invalid period: LaguerreRSI gamma must be a finite value in [0, 1]");
}

TEST(DigitalFilterEntriesTest, WarmUps) {
    const std::vector<std::pair<EntryCase, std::uint64_t>> cases = {
        {{"HighpassFilter", {48}}, 1},
        {{"SuperSmoother", {10}}, 1},
        {{"RoofingFilter", {10, 48}}, 1},
        {{"BandpassFilter", {20, 0.3}}, 1},
        {{"Decycler", {60}}, 1},
        {{"DecyclerOscillator", {30, 60}}, 1},
        {{"InstantaneousTrendline", {20}}, 1},
        {{"CyberneticCycle", {20}}, 1},
        {{"Trendflex", {20}}, 21},
        {{"Reflex", {1}}, 2},
        {{"Reflex", {16777216}}, 16777217},
        {{"UniversalOscillator", {20}}, 3},
        {{"AdaptiveLaguerreFilter", {13}}, 13},
        {{"LaguerreRsi", {0.5}}, 1},
        {{"CenterOfGravity", {10}}, 10},
        {{"FisherTransform", {10}}, 10},
        {{"InverseFisherTransform", {0.5}}, 1},
        {{"EhlersStochastic", {20}}, 20},
        {{"EvenBetterSinewave", {40, 10}}, 3},
        {{"EmpiricalModeDecomposition", {10, 0.5}}, 50},
        {{"EmpiricalModeDecomposition", {30, 0.5}}, 60},
        {{"EmpiricalModeDecomposition", {16777216, 0.5}}, 33554432},
    };
    for (const auto& [c, warmup] : cases) expect_built_warmup(c, warmup);
}

TEST(DigitalFilterEntriesTest, BuiltObjectsReadTheClose) {
    auto r = build_indicator("SuperSmoother", std::vector<double>{10});
    ASSERT_TRUE(r);
    EXPECT_EQ(update_close(**r, 1), 1.0);
    EXPECT_FALSE(update_close(**r, std::nan("")));
    EXPECT_EQ(update_close(**r, 3), 3.0);
}

}  // namespace
}  // namespace prynox
