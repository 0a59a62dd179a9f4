// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message, in the order the checks run.
#include <limits>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

namespace {
using prynox::test::kMax;
using prynox::test::kZero;
}  // namespace

PRYNOX_TYPE_CASES(digital_filters) {
    return {
        {"AdaptiveLaguerreFilter", {13}}, {"BandpassFilter", {20, 0.3}}, {"CenterOfGravity", {10}},
        {"CyberneticCycle", {20}}, {"Decycler", {60}}, {"DecyclerOscillator", {30, 60}}, {"EhlersStochastic", {20}},
        // max(2P, 50): the peak window decides below P = 25, the mean window above.
        {"EmpiricalModeDecomposition", {10, 0.5}}, {"EmpiricalModeDecomposition", {20, 0.5}},
        {"EmpiricalModeDecomposition", {30, 0.5}}, {"EvenBetterSinewave", {40, 10}}, {"FisherTransform", {10}},
        {"HighpassFilter", {48}}, {"InstantaneousTrendline", {20}}, {"InverseFisherTransform", {0.5}},
        {"LaguerreRsi", {0.5}}, {"RoofingFilter", {10, 48}}, {"SuperSmoother", {10}}, {"UniversalOscillator", {20}},
        // Period 1: the window holds two smoothed values, the first value comes on close 2.
        {"Reflex", {1}}, {"Reflex", {20}}, {"Trendflex", {1}}, {"Trendflex", {20}},
    };
}

PRYNOX_CHECK_CASES(digital_filters) {
    const std::string fast_slow = "invalid period: fast period must be strictly less than slow period";
    const std::string lp_hp = "invalid period: lp_period must be strictly less than hp_period";
    const std::string bandwidth = "invalid parameter: bandpass bandwidth must be in (0, 1)";
    const std::string fraction = "invalid period: fraction must be in (0, 1]";
    const std::string scale = "invalid period: scale must be a positive finite number";
    const std::string gamma = "invalid period: LaguerreRSI gamma must be a finite value in [0, 1]";
    const double inf = std::numeric_limits<double>::infinity();
    const char *osc = "DecyclerOscillator", *roof = "RoofingFilter", *band = "BandpassFilter", *wave = "EvenBetterSinewave";
    const char *emd = "EmpiricalModeDecomposition", *ifish = "InverseFisherTransform", *lrsi = "LaguerreRsi";
    std::vector<prynox::test::CheckCase> cases = {
        // Zeros first, then fast < slow, then only the slow period against the maximum.
        {osc, {1e-17, 20}, kZero}, {osc, {5, 1e-17}, kZero}, {osc, {1e-17, 16777217}, kZero},
        {osc, {20, 20}, fast_slow}, {osc, {21, 20}, fast_slow}, {osc, {16777218, 16777217}, fast_slow},
        {osc, {5, 16777217}, kMax}, {osc, {16777216, 16777217}, kMax}, {osc, {16777215, 16777216}, ""},
        {osc, {5}, "missing parameter #1"},
        // Zeros, then lp < hp, then only lp against the maximum: hp is not bounded.
        {roof, {1e-17, 48}, kZero}, {roof, {10, 1e-17}, kZero}, {roof, {10, 10}, lp_hp}, {roof, {11, 10}, lp_hp},
        {roof, {16777218, 16777217}, lp_hp}, {roof, {16777217, 16777218}, kMax}, {roof, {10, 100000000}, ""},
        {roof, {16777216, 1e300}, ""},
        // The window check before the bandwidth.
        {band, {1e-17, 5}, kZero}, {band, {16777217, 0.5}, kMax}, {band, {20, 0}, bandwidth},
        {band, {20, -0.0}, bandwidth}, {band, {20, 1}, bandwidth}, {band, {20, -0.3}, bandwidth},
        {band, {20, 0.5}, ""}, {band, {20, 5e-324}, ""}, {band, {20, 0.9999999999999999}, ""},
        {band, {20}, "missing parameter #1"}, {band, {20, inf}, "parameter #1 must be finite"},
        // Zeros, then only the smoothing period against the maximum.
        {wave, {1e-17, 10}, kZero}, {wave, {40, 1e-17}, kZero}, {wave, {40, 16777217}, kMax},
        {wave, {100000000, 10}, ""}, {wave, {1e300, 16777216}, ""},
        // The window check before the fraction.
        {emd, {1e-17, 0.5}, kZero}, {emd, {16777217, 0}, kMax}, {emd, {20, 0}, fraction}, {emd, {20, -1}, fraction},
        {emd, {20, 1.0000000000000002}, fraction}, {emd, {20, 1}, ""}, {emd, {20, 5e-324}, ""},
        {emd, {16777216, 0.5}, ""},
        {ifish, {0}, scale}, {ifish, {-0.0}, scale}, {ifish, {-2}, scale}, {ifish, {5e-324}, ""},
        {ifish, {1e308}, ""}, {ifish, {}, "missing parameter #0"}, {ifish, {inf}, "parameter #0 must be finite"},
        {lrsi, {0}, ""}, {lrsi, {1}, ""}, {lrsi, {0.5}, ""}, {lrsi, {1.5}, gamma},
        {lrsi, {1.0000000000000002}, gamma}, {lrsi, {-5e-324}, gamma}, {lrsi, {}, "missing parameter #0"},
    };
    // The types of one window period share one reader and one check.
    for (const char* type : {"HighpassFilter", "SuperSmoother", "Decycler", "InstantaneousTrendline", "CyberneticCycle",
                             "UniversalOscillator", "AdaptiveLaguerreFilter", "Reflex", "Trendflex", "CenterOfGravity",
                             "FisherTransform", "EhlersStochastic"}) {
        const std::vector<std::pair<std::vector<double>, std::string>> one_window = {
            {{0}, "parameter #0 must be a positive integer, got 0"}, {{1e-17}, kZero}, {{16777217}, kMax},
            {{1e300}, kMax}, {{16777216}, ""}, {{1}, ""}, {{14, -1, 0.5}, ""}, {{}, "missing parameter #0"},
            {{2.5}, "parameter #0 must be a positive integer, got 2.5"}};
        for (const auto& [params, message] : one_window) cases.push_back({type, params, message});
    }
    return cases;
}
