// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <limits>
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(multi_output_stops) {
    using prynox::test::WarmupRule;
    const char* reversal = "a swing is given only on the bar that reverses from it";
    return {
        {"SuperTrend", {10, 3}},          {"SuperTrend", {1, 0.5}},
        {"AtrRatchet", {14, 2, 0.1}},     {"AtrRatchet", {1, 1, 0.5}},
        {"YoyoExit", {10, 2}},            {"YoyoExit", {1, 1}},
        {"Nrtr", {2}},                    {"Nrtr", {50}},
        {"ModifiedMaStop", {5}},          {"ModifiedMaStop", {1}},
        {"ElderSafeZone", {10, 2}},       {"ElderSafeZone", {1, 1}},
        {"KaseDevStop", {10, 1}},         {"KaseDevStop", {2, 2}},
        {"ChandelierExit", {22, 3}},      {"ChandelierExit", {1, 1}},
        {"ChandeKrollStop", {10, 1, 9}},  {"ChandeKrollStop", {1, 1, 1}},
        {"ChandeKrollStop", {3, 2, 2}},   {"DonchianStop", {20}},
        {"DonchianStop", {1}},            {"ZigZag", {0.01}, WarmupRule::NoEarlierThanWarmup, reversal},
        {"ZigZag", {0.5}, WarmupRule::NoEarlierThanWarmup, reversal},
    };
}

PRYNOX_CHECK_CASES(multi_output_stops) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    using Cases = std::vector<std::pair<std::vector<double>, std::string>>;
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const std::string multiplier = "multiplier must be greater than zero", got0 = "parameter #0 must be a positive integer, got 0";
    const std::string kase = "invalid period: Kase DevStop period must be >= 2";
    const std::string nrtr = "invalid parameter: NRTR percentage must be in (0, 100)";
    const std::string zigzag = "invalid period: ZigZag threshold must be a finite fraction in (0, 1)";
    const Cases window = {{{0}, got0}, {{1e-17}, kZero}, {{16777217}, kMax}, {{16777216}, ""}, {{}, "missing parameter #0"}};
    // The multiplier is checked before the window.
    const Cases atr = {{{0, 2}, got0}, {{1e-17, -1}, multiplier}, {{16777217, 0}, multiplier}, {{14, -0.0}, multiplier},
                       {{1e-17, 2}, kZero}, {{16777217, 2}, kMax}, {{16777216, 5e-324}, ""},
                       {{14, nan}, "parameter #1 must be finite"}, {{14}, "missing parameter #1"}};
    std::vector<prynox::test::CheckCase> out;
    for (const auto& [type, cases] : std::vector<std::pair<std::string, Cases>>{
             {"DonchianStop", window},
             {"ModifiedMaStop", window},
             {"SuperTrend", atr},
             {"ChandelierExit", atr},
             {"YoyoExit", atr},
             {"AtrRatchet",
              {{{1e-17, 1, 0}, multiplier}, {{1e-17, -1, 1}, multiplier}, {{1e-17, 1, 1}, kZero},
               {{16777217, 1, 1}, kMax}, {{16777216, 5e-324, 1e300}, ""}, {{14, 1, inf}, "parameter #2 must be finite"}}},
             // The window before the multiplier.
             {"ElderSafeZone",
              {{{1e-17, -1}, kZero}, {{16777217, -1}, kMax}, {{14, 0}, multiplier}, {{16777216, 5e-324}, ""}}},
             {"KaseDevStop",
              {{{1e-17, -1}, kase}, {{1, 2}, kase}, {{16777217, -1}, kMax}, {{16777216, -1}, multiplier},
               {{2, 5e-324}, ""}, {{16777216, 1}, ""}}},
             // The multiplier, then the second window, then the first.
             {"ChandeKrollStop",
              {{{1e-17, -1, 1e-17}, multiplier}, {{16777217, 1, 1e-17}, kZero}, {{1e-17, 1, 16777217}, kMax},
               {{1e-17, 1, 1}, kZero}, {{16777217, 1, 16777216}, kMax}, {{16777216, 1, 16777216}, ""}}},
             {"Nrtr", {{{99.9}, ""}, {{1e-300}, ""}, {{100}, nrtr}, {{0}, nrtr}, {{-0.0}, nrtr}, {{-5}, nrtr},
                       {{inf}, "parameter #0 must be finite"}}},
             {"ZigZag", {{{0.999}, ""}, {{5e-324}, ""}, {{1.0}, zigzag}, {{0}, zigzag}, {{-0.5}, zigzag},
                         {{nan}, "parameter #0 must be finite"}}}})
        for (const auto& [params, message] : cases) out.push_back({type, params, message});
    return out;
}
