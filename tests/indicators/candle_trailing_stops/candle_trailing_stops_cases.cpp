// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <limits>
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(candle_trailing_stops) {
    return {
        {"AtrTrailingStop", {14, 3}},
        {"AtrTrailingStop", {1, 0.5}},
        {"VoltyStop", {10, 2}},
        {"VoltyStop", {1, 1}},
        {"HiLoActivator", {3}},
        {"HiLoActivator", {1}},
        {"HiLoActivator", {20}},
        {"Psar", {0.02, 0.02, 0.2}},
        {"Psar", {0.1, 0.1, 0.1}},
        {"SarExt", {0, 0, 0.02, 0.02, 0.2, 0.02, 0.02, 0.2}},
        {"SarExt", {100, 0.01, 0.02, 0.02, 0.2, 0.05, 0.05, 0.5}},
        {"SarExt", {-100, 0.05, 0.01, 0.03, 0.3, 0.05, 0.02, 0.1}},
        {"TimeBasedStop", {4}},
        {"TimeBasedStop", {1}},
    };
}

PRYNOX_CHECK_CASES(candle_trailing_stops) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    using Cases = std::vector<std::pair<std::vector<double>, std::string>>;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::string multiplier = "multiplier must be greater than zero";
    const std::string psar = "invalid period: af_start must be <= af_max";
    const std::string ext = "invalid period: acceleration init must be <= max";
    const Cases window = {{{0}, "parameter #0 must be a positive integer, got 0"}, {{1e-17}, kZero},
                          {{16777217}, kMax}, {{16777216}, ""}, {{1}, ""}, {{}, "missing parameter #0"}};
    // The multiplier is checked before the window.
    const Cases atr_stop = {{{0, 2}, "parameter #0 must be a positive integer, got 0"},
                            {{1e-17, -1}, multiplier}, {{16777217, 0}, multiplier}, {{14, -0.0}, multiplier},
                            {{1e-17, 2}, kZero}, {{16777217, 2}, kMax}, {{14, 5e-324}, ""}, {{16777216, 3}, ""},
                            {{14, nan}, "parameter #1 must be finite"}, {{14}, "missing parameter #1"}};
    const std::vector<double> side = {0.02, 0.02, 0.2};
    const auto sar_ext = [&side](double start_value, double offset, std::vector<double> on_long,
                                 std::vector<double> on_short) {
        std::vector<double> p = {start_value, offset};
        p.insert(p.end(), on_long.begin(), on_long.end());
        p.insert(p.end(), on_short.begin(), on_short.end());
        return p;
    };
    std::vector<prynox::test::CheckCase> out;
    for (const auto& [type, cases] : std::vector<std::pair<std::string, Cases>>{
             {"HiLoActivator", window},
             {"TimeBasedStop", window},
             {"AtrTrailingStop", atr_stop},
             {"VoltyStop", atr_stop},
             {"Psar",
              {{{0.02, 0.02, 0.2}, ""}, {{0.3, 0.02, 0.2}, psar}, {{0.02, 0, 0.2}, multiplier},
               {{0.2, 0.02, 0.2}, ""}, {{0.3, 0.02, -1}, multiplier}, {{-0.0, 0.02, 0.2}, multiplier},
               {{0.3, 0.02, 0.2, -1}, psar}, {{5e-324, 5e-324, 5e-324}, ""}, {{0.02, 0.02}, "missing parameter #2"},
               {{0.02, nan, 0.2}, "parameter #1 must be finite"}}},
             {"SarExt",
              {{sar_ext(0, -0.0, side, side), ""}, {sar_ext(0, -0.01, side, side), multiplier},
               {sar_ext(-7.5, 0, side, side), ""}, {sar_ext(1e300, 1e300, side, side), ""},
               {sar_ext(0, -0.01, {0.3, 0.02, 0.2}, side), multiplier},
               {sar_ext(0, 0, {0.3, 0.02, 0.2}, {0, 0.02, 0.2}), ext},
               {sar_ext(0, 0, {0.3, 0, 0.2}, side), multiplier},
               {sar_ext(0, 0, side, {0.3, 0.02, 0.2}), ext},
               {sar_ext(0, 0, side, {0.3, 0.02, -0.0}), multiplier},
               {sar_ext(0, 0, {0.2, 0.01, 0.2}, {0.5, 0.5, 0.5}), ""},
               {{0, 0, 0.02, 0.02, 0.2, 0.02, 0.02}, "missing parameter #7"},
               {{nan, 0, 0.02, 0.02, 0.2, 0.02, 0.02, 0.2}, "parameter #0 must be finite"}}}})
        for (const auto& [params, message] : cases) out.push_back({type, params, message});
    return out;
}
