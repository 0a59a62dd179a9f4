// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

using prynox::test::kMax;
using prynox::test::kZero;

PRYNOX_TYPE_CASES(rsi_family) {
    // ConnorsRsi: warm-ups A + 1, B + 2 and R + 1; DynamicMomentumIndex: 31 whatever the base period.
    return {
        {"AdaptiveRsi", {14}}, {"AnchoredRsi", {}}, {"Cmo", {14}}, {"ConnorsRsi", {3, 2, 100}},
        {"ConnorsRsi", {3, 5, 2}}, {"ConnorsRsi", {10, 2, 3}}, {"DerivativeOscillator", {14, 5, 3, 9}},
        {"DerivativeOscillator", {1, 1, 1, 1}},
        {"DynamicMomentumIndex", {14}}, {"DynamicMomentumIndex", {1}}, {"FisherRsi", {14}}, {"Rmi", {14, 5}},
        {"Rsi", {14}}, {"Rsx", {14}}, {"StochRsi", {14, 14}},
    };
}

PRYNOX_CHECK_CASES(rsi_family) {
    std::vector<prynox::test::CheckCase> cases = {
        // Zeros first (the rank lookback included), then the two RSIs in turn; R is not bounded.
        {"ConnorsRsi", {3, 2, 1e-17}, kZero},          {"ConnorsRsi", {1e-17, 2, 3}, kZero},
        {"ConnorsRsi", {3, 1e-17, 3}, kZero},          {"ConnorsRsi", {16777217, 1e-17, 3}, kZero},
        {"ConnorsRsi", {16777217, 2, 3}, kMax},        {"ConnorsRsi", {3, 16777217, 3}, kMax},
        {"ConnorsRsi", {3, 2, 1e9}, ""},               {"ConnorsRsi", {16777216, 16777216, 1}, ""},
        {"ConnorsRsi", {3, 2}, "missing parameter #2"},
        {"ConnorsRsi", {3, 0, 100}, "parameter #1 must be a positive integer, got 0"},
        {"StochRsi", {16777217, 14}, kMax},            {"StochRsi", {14, 1e-17}, kZero},
        {"StochRsi", {16777217, 1e-17}, kZero},        {"StochRsi", {14, 1e9}, ""},
        {"StochRsi", {14}, "missing parameter #1"},
        {"Rmi", {1e-17, 3}, kZero},                    {"Rmi", {3, 1e-17}, kZero},
        {"Rmi", {1e9, 1e9}, ""},                       {"Rmi", {16777217, 5}, ""},
        {"Rmi", {14, -5}, "parameter #1 must be a positive integer, got -5"},
        // Zeros, then the RSI, then the three smoothing lengths.
        {"DerivativeOscillator", {16777217, 5, 3, 1e-17}, kZero},
        {"DerivativeOscillator", {14, 1e-17, 16777217, 9}, kZero},
        {"DerivativeOscillator", {1, 1, 1e-17, 1}, kZero},
        {"DerivativeOscillator", {16777217, 5, 3, 9}, kMax},
        {"DerivativeOscillator", {14, 16777217, 3, 9}, kMax},
        {"DerivativeOscillator", {14, 5, 16777217, 9}, kMax},
        {"DerivativeOscillator", {14, 5, 3, 16777217}, kMax},
        {"DerivativeOscillator", {16777216, 16777216, 16777216, 16777216}, ""},
        {"DerivativeOscillator", {14, 5, 3}, "missing parameter #3"},
        {"AnchoredRsi", {}, ""},                       {"AnchoredRsi", {1, 2, 3}, ""},
        {"AnchoredRsi", {-1, 0.5}, ""},
    };
    // A 0 is refused by the reader; a value that reads as 0 reaches the window check.
    for (const char* type : {"Rsi", "Cmo", "FisherRsi", "AdaptiveRsi", "Rsx", "DynamicMomentumIndex"})
        for (auto [params, message] : std::vector<std::pair<std::vector<double>, std::string>>{
                 {{0}, "parameter #0 must be a positive integer, got 0"},
                 {{2.5}, "parameter #0 must be a positive integer, got 2.5"},
                 {{}, "missing parameter #0"},
                 {{1e-17}, kZero}, {{16777217}, kMax}, {{1e30}, kMax},
                 {{16777216}, ""}, {{1}, ""}, {{14, 99, -1}, ""}})
            cases.push_back({type, params, message});
    return cases;
}
