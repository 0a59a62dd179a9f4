// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <limits>
#include <string>
#include <tuple>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

using prynox::test::add_checks;
using prynox::test::kMax;
using prynox::test::kZero;

PRYNOX_TYPE_CASES(channels) {
    const auto later = prynox::test::WarmupRule::NoEarlierThanWarmup;
    const char* fractals = "no value until a fractal high and a fractal low have both been seen";
    return {{"BomarBands", {5, 0.9}}, {"BomarBands", {40, 1.0}}, {"Donchian", {1}}, {"Donchian", {20}},
            {"LinRegChannel", {2, 2}}, {"LinRegChannel", {20, 2}}, {"MedianChannel", {5, 2}},
            {"MedianChannel", {40, 1.5}}, {"ProjectionBands", {2}}, {"ProjectionBands", {14}}, {"QuartileBands", {1}},
            {"QuartileBands", {20}}, {"StandardErrorBands", {3, 1}}, {"StandardErrorBands", {20, 2}},
            {"FractalChaosBands", {1}, later, fractals}, {"FractalChaosBands", {2}, later, fractals}};
}

PRYNOX_CHECK_CASES(channels) {
    std::vector<prynox::test::CheckCase> cases;
    const std::string reader0 = "parameter #0 must be a positive integer, got 0", mult = "multiplier must be greater than zero";
    for (const char* type : {"Donchian", "FractalChaosBands", "QuartileBands"})
        add_checks(cases, type, {{{1e-17}, kZero}, {{0}, reader0}, {{16777216}, ""}, {{16777217}, kMax}, {{}, "missing parameter #0"}});
    // The window check comes before the multiplier check.
    add_checks(cases, "MedianChannel", {{{1e-17, -1}, kZero}, {{16777217, 0.5}, kMax}, {{5, 0}, mult}, {{5, -0.0}, mult},
                                        {{1, 5e-324}, ""}, {{16777216, 1e308}, ""}, {{5}, "missing parameter #1"}});
    const std::string bomar = "invalid parameter: bomar bands coverage must be a finite value in (0.0, 1.0]";
    add_checks(cases, "BomarBands", {{{1e-17, 2}, kZero}, {{16777217, 2}, kMax}, {{5, 0}, bomar}, {{5, -0.0}, bomar},
                                     {{5, 1.5}, bomar}, {{5, 1.0000000000000002}, bomar}, {{5, 1.0}, ""}, {{1, 5e-324}, ""},
                                     {{5, std::numeric_limits<double>::quiet_NaN()}, "parameter #1 must be finite"}});
    // The own minimum (0 included) before MAX_PERIOD, both before the multiplier check.
    for (auto [type, k, message] : {std::tuple{"LinRegChannel", 2.0, "linear regression channel needs period >= 2"},
                                    std::tuple{"StandardErrorBands", 3.0, "standard error bands need period >= 3"}}) {
        const std::string own = std::string("invalid period: ") + message;
        add_checks(cases, type, {{{1e-17, 1}, own}, {{k - 1, -1}, own}, {{k, 5e-324}, ""}, {{k, -1}, mult},
                                 {{16777216, 1}, ""}, {{16777217, -1}, kMax}, {{k}, "missing parameter #1"}});
    }
    const std::string projection = "invalid period: projection bands need period >= 2";
    add_checks(cases, "ProjectionBands", {{{0}, reader0}, {{1e-17}, projection}, {{1}, projection}, {{2}, ""},
                                          {{16777216}, ""}, {{16777217}, kMax}});
    return cases;
}
