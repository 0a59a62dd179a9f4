// Harness rows of the session and opening ranges, and every constructor check with its message.
// The harness candles come a minute apart from time 0: an offset of -1 minute puts the first on
// 1969-12-31, so that a new local day starts with the second candle; -300 puts the first at 19:00
// of the day before, in the us session.
#include <limits>
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(session_ranges) {
    using prynox::test::WarmupRule;
    return {
        {"InitialBalance", {1}}, {"InitialBalance", {30}}, {"InitialBalance", {16777216}},
        {"OpeningRange", {1}},   {"OpeningRange", {30}},   {"OpeningRange", {16777216}},
        {"OvernightIntradayReturn", {-1}},
        {"OvernightIntradayReturn", {-90}, WarmupRule::NoEarlierThanWarmup, "values start with the second local day"},
        {"SessionHighLow", {0}}, {"SessionHighLow", {-300}}, {"SessionRange", {0}}, {"SessionRange", {-300}},
    };
}

PRYNOX_CHECK_CASES(session_ranges) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    using Cases = std::vector<std::pair<std::vector<double>, std::string>>;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Cases offset_only = {{{-300}, ""}, {{-2147483648.0}, ""}, {{2147483647}, ""},
                               {{3000000000.0}, "parameter #0 must be an i32, got 3000000000"},
                               {{2.5}, "parameter #0 must be an i32, got 2.5"}, {{nan}, "parameter #0 must be finite"}};
    const Cases bar_count = {{{16777216}, ""}, {{0}, "parameter #0 must be a positive integer, got 0"},
                             {{1e-17}, kZero}, {{16777217}, kMax}, {{}, "missing parameter #0"}};
    std::vector<prynox::test::CheckCase> out;
    for (const auto& [type, cases] : std::vector<std::pair<std::string, Cases>>{
             {"InitialBalance", bar_count}, {"OpeningRange", bar_count}, {"OvernightIntradayReturn", offset_only},
             {"SessionHighLow", offset_only}, {"SessionRange", offset_only}})
        for (const auto& [params, message] : cases) out.push_back({type, params, message});
    return out;
}
