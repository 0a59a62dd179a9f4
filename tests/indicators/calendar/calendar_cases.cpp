// Harness rows of the calendar types, and every constructor check with its message. The harness
// candles come a minute apart from time 0: an offset of -1 minute puts the first on 1969-12-31,
// so that a new local day starts with the second candle.
#include <limits>
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(calendar) {
    using prynox::test::WarmupRule;
    const char* day = "values start with the second local day";
    return {
        {"AverageDailyRange", {2, -1}},
        {"AverageDailyRange", {1, 0}, WarmupRule::NoEarlierThanWarmup, day},
        {"AverageDailyRange", {2000, 600}, WarmupRule::NoLaterThanWarmup, "the day that starts on bar 841 gives one"},
        {"OvernightGap", {-1}},
        {"OvernightGap", {-90}, WarmupRule::NoEarlierThanWarmup, day},
        {"SeasonalZScore", {0}, WarmupRule::NoEarlierThanWarmup, "an hour gives values once it holds two returns"},
        {"SeasonalZScore", {-330}, WarmupRule::NoEarlierThanWarmup, "an hour gives values once it holds two returns"},
        {"TurnOfMonth", {1, 0, -1}, WarmupRule::NoEarlierThanWarmup, "a selected day has to end after a whole day"},
        {"TurnOfMonth", {0, 3, -4321}, WarmupRule::NoEarlierThanWarmup, "a selected day has to end after a whole day"},
    };
}

PRYNOX_CHECK_CASES(calendar) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    using Cases = std::vector<std::pair<std::vector<double>, std::string>>;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Cases offset_only = {{{0}, ""},
                               {{-2147483648.0}, ""},
                               {{2147483647}, ""},
                               {{2147483648.0}, "parameter #0 must be an i32, got 2147483648"},
                               {{1.5}, "parameter #0 must be an i32, got 1.5"},
                               {{nan}, "parameter #0 must be finite"},
                               {{}, "missing parameter #0"}};
    std::vector<prynox::test::CheckCase> out;
    for (const auto& [type, cases] : std::vector<std::pair<std::string, Cases>>{
             {"OvernightGap", offset_only},
             {"SeasonalZScore", offset_only},
             {"AverageDailyRange",
              {{{0, 0}, "parameter #0 must be a positive integer, got 0"},
               {{1e-17, 0}, kZero},
               {{16777217, 0}, kMax},
               {{16777216, -2147483648.0}, ""},
               {{1, 2147483647}, ""},
               {{2, -2147483649.0}, "parameter #1 must be an i32, got -2147483649"},
               {{1e-17, 1e10}, "parameter #1 must be an i32, got 10000000000"},
               {{2}, "missing parameter #1"}}},
             {"TurnOfMonth",
              {{{0, 3, 0}, ""},
               {{2, 0, -300}, ""},
               {{0, 0, 0}, kZero},
               {{1e-17, 1e-17, 0}, kZero},
               {{-1, 3, 0}, "parameter #0 must be a u32, got -1"},
               {{0, 4294967296.0, 0}, "parameter #1 must be a u32, got 4294967296"},
               {{4294967295.0, 4294967295.0, 2147483647}, ""},
               {{0, 0, 2147483648.0}, "parameter #2 must be an i32, got 2147483648"},
               {{1, 1}, "missing parameter #2"}}}})
        for (const auto& [params, message] : cases) out.push_back({type, params, message});
    return out;
}
