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
    std::vector<prynox::test::CheckCase> cases = {
        // Zeros first, then fast < slow, then only the slow period against the maximum.
        {"DecyclerOscillator", {1e-17, 20}, kZero}, {"DecyclerOscillator", {5, 1e-17}, kZero},
        {"DecyclerOscillator", {1e-17, 16777217}, kZero}, {"DecyclerOscillator", {20, 20}, fast_slow},
        {"DecyclerOscillator", {21, 20}, fast_slow}, {"DecyclerOscillator", {16777218, 16777217}, fast_slow},
        {"DecyclerOscillator", {5, 16777217}, kMax}, {"DecyclerOscillator", {16777216, 16777217}, kMax},
        {"DecyclerOscillator", {16777215, 16777216}, ""}, {"DecyclerOscillator", {5}, "missing parameter #1"},
        // Zeros, then lp < hp, then only lp against the maximum: hp is not bounded.
        {"RoofingFilter", {1e-17, 48}, kZero}, {"RoofingFilter", {10, 1e-17}, kZero},
        {"RoofingFilter", {10, 10}, lp_hp}, {"RoofingFilter", {11, 10}, lp_hp},
        {"RoofingFilter", {16777218, 16777217}, lp_hp}, {"RoofingFilter", {16777217, 16777218}, kMax},
        {"RoofingFilter", {10, 100000000}, ""}, {"RoofingFilter", {16777216, 1e300}, ""},
        // The window check before the bandwidth.
        {"BandpassFilter", {1e-17, 5}, kZero}, {"BandpassFilter", {16777217, 0.5}, kMax},
        {"BandpassFilter", {20, 0}, bandwidth}, {"BandpassFilter", {20, -0.0}, bandwidth},
        {"BandpassFilter", {20, 1}, bandwidth}, {"BandpassFilter", {20, -0.3}, bandwidth},
        {"BandpassFilter", {20, 0.5}, ""}, {"BandpassFilter", {20, 5e-324}, ""},
        {"BandpassFilter", {20, 0.9999999999999999}, ""}, {"BandpassFilter", {20}, "missing parameter #1"},
        {"BandpassFilter", {20, inf}, "parameter #1 must be finite"},
        // Zeros, then only the smoothing period against the maximum.
        {"EvenBetterSinewave", {1e-17, 10}, kZero}, {"EvenBetterSinewave", {40, 1e-17}, kZero},
        {"EvenBetterSinewave", {40, 16777217}, kMax}, {"EvenBetterSinewave", {100000000, 10}, ""},
        {"EvenBetterSinewave", {1e300, 16777216}, ""},
        // The window check before the fraction.
        {"EmpiricalModeDecomposition", {1e-17, 0.5}, kZero}, {"EmpiricalModeDecomposition", {16777217, 0}, kMax},
        {"EmpiricalModeDecomposition", {20, 0}, fraction}, {"EmpiricalModeDecomposition", {20, -1}, fraction},
        {"EmpiricalModeDecomposition", {20, 1.0000000000000002}, fraction},
        {"EmpiricalModeDecomposition", {20, 1}, ""}, {"EmpiricalModeDecomposition", {20, 5e-324}, ""},
        {"EmpiricalModeDecomposition", {16777216, 0.5}, ""},
        {"InverseFisherTransform", {0}, scale}, {"InverseFisherTransform", {-0.0}, scale},
        {"InverseFisherTransform", {-2}, scale}, {"InverseFisherTransform", {5e-324}, ""},
        {"InverseFisherTransform", {1e308}, ""}, {"InverseFisherTransform", {}, "missing parameter #0"},
        {"InverseFisherTransform", {inf}, "parameter #0 must be finite"},
        {"LaguerreRsi", {0}, ""}, {"LaguerreRsi", {1}, ""}, {"LaguerreRsi", {0.5}, ""}, {"LaguerreRsi", {1.5}, gamma},
        {"LaguerreRsi", {1.0000000000000002}, gamma}, {"LaguerreRsi", {-5e-324}, gamma},
        {"LaguerreRsi", {}, "missing parameter #0"},
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
