// Harness rows of the order-book and trade-and-quote types, and every constructor check with its
// message. The trade-and-quote windows count prints, two a harness bar, so they fill before the
// bar of the reported warm-up.
#include <limits>
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(order_book) {
    using prynox::test::WarmupRule;
    const auto early = WarmupRule::NoLaterThanWarmup;
    const char* prints = "the window counts prints, two a bar";
    return {
        {"DepthSlope", {}}, {"EffectiveSpread", {}},
        {"KylesLambda", {20}, early, prints}, {"KylesLambda", {2}, early, prints},
        {"Microprice", {}}, {"OrderBookImbalanceFull", {}}, {"OrderBookImbalanceTop1", {}},
        {"OrderBookImbalanceTopN", {1}}, {"OrderBookImbalanceTopN", {5}},
        {"OrderFlowImbalance", {20}}, {"OrderFlowImbalance", {1}},
        {"QuotedSpread", {}},
        {"RealizedSpread", {20}, early, prints}, {"RealizedSpread", {1}, early, prints},
    };
}

PRYNOX_CHECK_CASES(order_book) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    using Cases = std::vector<std::pair<std::vector<double>, std::string>>;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::string kyle = "invalid period: kyle's lambda needs window >= 2";
    const Cases plain = {{{0}, "parameter #0 must be a positive integer, got 0"}, {{1e-17}, kZero}, {{16777217}, kMax},
                         {{16777216}, ""}, {{1}, ""}, {{50, 99, -1}, ""}, {{}, "missing parameter #0"}};
    const Cases none = {{{}, ""}, {{-3, nan}, ""}};
    std::vector<prynox::test::CheckCase> out;
    for (const auto& [type, cases] : std::vector<std::pair<std::string, Cases>>{
             {"OrderBookImbalanceTopN", plain}, {"OrderFlowImbalance", plain}, {"RealizedSpread", plain},
             {"KylesLambda",
              {{{1}, kyle}, {{1e-17}, kyle}, {{0}, "parameter #0 must be a positive integer, got 0"}, {{2}, ""},
               {{16777217}, kMax}, {{16777216}, ""}}},
             {"DepthSlope", none}, {"EffectiveSpread", none}, {"Microprice", none}, {"OrderBookImbalanceFull", none},
             {"OrderBookImbalanceTop1", none}, {"QuotedSpread", none}})
        for (const auto& [params, message] : cases) out.push_back({type, params, message});
    return out;
}
