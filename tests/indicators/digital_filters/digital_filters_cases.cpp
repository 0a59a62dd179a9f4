// Harness rows of the family: how each type is built for the shared property checks.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(digital_filters) {
    return {
        {"AdaptiveLaguerreFilter", {13}},
        {"BandpassFilter", {20, 0.3}},
        {"CenterOfGravity", {10}},
        {"CyberneticCycle", {20}},
        {"Decycler", {60}},
        {"DecyclerOscillator", {30, 60}},
        {"EhlersStochastic", {20}},
        {"EmpiricalModeDecomposition", {20, 0.5}},
        {"EvenBetterSinewave", {40, 10}},
        {"FisherTransform", {10}},
        {"HighpassFilter", {48}},
        {"InstantaneousTrendline", {20}},
        {"InverseFisherTransform", {0.5}},
        {"LaguerreRsi", {0.5}},
        {"Reflex", {20}},
        {"RoofingFilter", {10, 48}},
        {"SuperSmoother", {10}},
        {"Trendflex", {20}},
        {"UniversalOscillator", {20}},
    };
}
