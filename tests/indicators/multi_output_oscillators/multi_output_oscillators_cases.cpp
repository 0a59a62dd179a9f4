// Harness rows of the family: how each type is built for the shared property checks (short and
// long periods, 1 included), and every constructor check with its message.
#include <limits>
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

using prynox::test::add_checks;
using prynox::test::kMax;
using prynox::test::kZero;

PRYNOX_TYPE_CASES(multi_output_oscillators) {
    return {
        {"Adx", {1}}, {"Adx", {14}}, {"Aroon", {1}}, {"Aroon", {25}}, {"ElderRay", {1}}, {"ElderRay", {13}},
        {"KasePermissionStochastic", {1, 1}}, {"KasePermissionStochastic", {9, 3}},
        {"Kst", {10, 15, 20, 30, 10, 10, 10, 15, 9}}, {"Kst", {1, 1, 1, 1, 1, 1, 1, 1, 1}}, {"Qqe", {14, 5, 4.236}},
        {"Qqe", {1, 1, 1}}, {"Rwi", {2}}, {"Rwi", {14}}, {"Stochastic", {1, 1}}, {"Stochastic", {14, 3}},
        {"TtmSqueeze", {2, 2, 1.5}}, {"TtmSqueeze", {20, 2, 1.5}}, {"Vortex", {1}}, {"Vortex", {14}},
        {"WaveTrend", {1, 1, 1}}, {"WaveTrend", {10, 21, 4}},
    };
}

PRYNOX_CHECK_CASES(multi_output_oscillators) {
    std::vector<prynox::test::CheckCase> out;
    for (const char* type : {"Adx", "Aroon", "ElderRay", "Vortex"})
        add_checks(out, type,
                   {{{0}, "parameter #0 must be a positive integer, got 0"}, {{1e-17}, kZero}, {{16777217}, kMax},
                    {{16777216}, ""}, {{1}, ""}, {{}, "missing parameter #0"}});
    add_checks(out, "KasePermissionStochastic",
               {{{1e-17, 1e-17}, kZero}, {{16777217, 1e-17}, kMax}, {{5, 1e-17}, kZero}, {{5, 16777217}, kMax},
                {{16777216, 16777216}, ""}, {{5}, "missing parameter #1"}});
    const std::vector<double> kst = {10, 15, 20, 30, 10, 10, 10, 15, 9};
    for (std::size_t i = 0; i < kst.size(); ++i) {
        std::vector<double> zero = kst, big = kst;
        zero[i] = 1e-17, big[i] = 16777217;
        std::vector<double> both = big;
        both[8 - i] = 1e-17;  // a zero anywhere comes before any maximum
        add_checks(out, "Kst", {{zero, kZero}, {big, kMax}, {both, kZero}});
    }
    add_checks(out, "Kst", {{std::vector<double>(9, 16777216), ""}, {{1, 1, 1, 1, 1, 1, 1, 1}, "missing parameter #8"}});
    const std::string factor = "invalid period: QQE factor must be a finite positive value";
    add_checks(out, "Qqe",
               {{{1e-17, 5, 4.236}, kZero}, {{14, 1e-17, 4.236}, kZero}, {{16777217, 1e-17, 0}, kZero},
                {{16777217, 5, 0}, factor}, {{14, 5, -0.0}, factor}, {{14, 5, -1}, factor}, {{14, 5, 5e-324}, ""},
                {{16777217, 5, 1}, kMax}, {{8388608, 16777216, 1}, ""}, {{8388609, 5, 1}, kMax},
                {{14, 16777217, 1}, kMax}, {{14, 5, std::numeric_limits<double>::quiet_NaN()}, "parameter #2 must be finite"},
                {{14, 5}, "missing parameter #2"}});
    const std::string rwi = "invalid period: RWI requires period >= 2";
    add_checks(out, "Rwi", {{{1e-17}, kZero}, {{1}, rwi}, {{2}, ""}, {{16777216}, ""}, {{16777217}, kMax}});
    // %K has no maximum: its window grows with the data.
    add_checks(out, "Stochastic",
               {{{1e-17, 3}, kZero}, {{14, 1e-17}, kZero}, {{1e300, 1e-17}, kZero}, {{16777217, 3}, ""}, {{1e300, 3}, ""},
                {{14, 20000000}, kMax}, {{14, 16777216}, ""}, {{14}, "missing parameter #1"}});
    const std::string ttm = "invalid period: TTM squeeze needs period >= 2 for the momentum regression",
                      multiplier = "multiplier must be greater than zero";
    add_checks(out, "TtmSqueeze",
               {{{1e-17, 2, 1.5}, ttm}, {{1, -1, -1}, ttm}, {{16777217, -1, 1.5}, kMax}, {{2, 0, 1.5}, multiplier},
                {{2, 2, -0.0}, multiplier}, {{2, 5e-324, 5e-324}, ""}, {{16777216, 2, 1.5}, ""},
                {{20, 2}, "missing parameter #2"}});
    add_checks(out, "WaveTrend",
               {{{1e-17, 21, 4}, kZero}, {{16777217, 21, 1e-17}, kZero}, {{16777217, 21, 4}, kMax},
                {{10, 16777217, 4}, kMax}, {{10, 21, 16777217}, kMax}, {{16777216, 16777216, 16777216}, ""}});
    return out;
}
