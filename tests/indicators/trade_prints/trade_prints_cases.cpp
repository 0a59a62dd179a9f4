// Harness rows of the trade-print types, and every constructor check with its message. The
// harness bars carry two prints each, so a window counted in prints fills before the bar of the
// reported warm-up, which counts bars.
#include <limits>
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(trade_prints) {
    using prynox::test::WarmupRule;
    const auto early = WarmupRule::NoLaterThanWarmup;
    const char* prints = "the window counts prints, two a bar";
    return {
        {"AmihudIlliquidity", {20}, early, prints}, {"AmihudIlliquidity", {1}, early, prints},
        {"CumulativeVolumeDelta", {}},
        {"Pin", {20}, early, prints}, {"Pin", {1}},
        {"RollMeasure", {20}, early, prints}, {"RollMeasure", {3}, early, prints},
        {"SignedVolume", {}},
        {"TradeImbalance", {20}, early, prints}, {"TradeImbalance", {1}},
        {"TradeSignAutocorrelation", {20}, early, prints}, {"TradeSignAutocorrelation", {2}, early, prints},
        {"Vpin", {1, 2}}, {"Vpin", {0.5, 5}},
    };
}

PRYNOX_CHECK_CASES(trade_prints) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    using Cases = std::vector<std::pair<std::vector<double>, std::string>>;
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const std::string p = "invalid period: ";
    const std::string vpin = "invalid parameter: VPIN bucket_volume must be finite and positive";
    const Cases plain = {{{0}, "parameter #0 must be a positive integer, got 0"}, {{1e-17}, kZero}, {{16777217}, kMax},
                         {{16777216}, ""}, {{1}, ""}, {{50, 99, -1}, ""}, {{}, "missing parameter #0"}};
    const auto bounded = [&](double below, const std::string& message) {
        return Cases{{{below}, p + message}, {{0}, "parameter #0 must be a positive integer, got 0"},
                     {{1e-17}, p + message}, {{below + 1}, ""}, {{16777217}, kMax}, {{16777216}, ""}};
    };
    const Cases none = {{{}, ""}, {{-3, nan}, ""}};
    std::vector<prynox::test::CheckCase> out;
    for (const auto& [type, cases] : std::vector<std::pair<std::string, Cases>>{
             {"AmihudIlliquidity", plain}, {"Pin", plain}, {"TradeImbalance", plain},
             {"RollMeasure", bounded(2, "Roll measure needs period >= 3")},
             {"TradeSignAutocorrelation", bounded(1, "trade-sign autocorrelation needs period >= 2")},
             {"SignedVolume", none}, {"CumulativeVolumeDelta", none},
             {"Vpin",
              {{{0, 1e-17}, kZero}, {{0, 0}, "parameter #1 must be a positive integer, got 0"}, {{-1, 50}, vpin},
               {{0, 50}, vpin}, {{-0.0, 50}, vpin}, {{-5e-324, 16777217}, kMax}, {{5e-324, 50}, ""},
               {{nan, 0}, "parameter #0 must be finite"}, {{inf, 50}, "parameter #0 must be finite"},
               {{1e308, 16777216}, ""}, {{10}, "missing parameter #1"}}}})
        for (const auto& [params, message] : cases) out.push_back({type, params, message});
    return out;
}
