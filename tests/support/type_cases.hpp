#pragma once
// The rows every built indicator type has in the generic harness: how it is built for the
// property checks, what its warm-up rule is, and every constructor check with its message.
// Each family registers its rows from its own file:
//     PRYNOX_TYPE_CASES(moving_averages) {
//         return {{"Sma", {20}}, {"Kama", {10, 2, 30}}, ...};
//     }
//     PRYNOX_CHECK_CASES(moving_averages) {
//         return {{"Sma", {0}, "parameter #0 must be a positive integer, got 0"}, ...};
//     }
#include <string>
#include <vector>

namespace prynox::test {

// How the first value relates to the reported warm-up on data without rejected bars.
enum class WarmupRule {
    FirstValueAtWarmup,  // the first value comes on bar warmup_period() (1-based)
    NoLaterThanWarmup,   // a value may come earlier (say why in the row's note)
    NoEarlierThanWarmup, // the first value may come later (say why in the row's note)
};

struct TypeCase {
    std::string type;
    std::vector<double> params;
    WarmupRule warmup = WarmupRule::FirstValueAtWarmup;
    const char* note = "";
};

// A build and the refusal it gets without the "invalid parameters for indicator <type>: "
// prefix; "" when it builds.
struct CheckCase {
    std::string type;
    std::vector<double> params;
    std::string message;
};

std::vector<TypeCase>& type_cases();
std::vector<CheckCase>& check_cases();

struct RegisterCases {
    RegisterCases(std::vector<TypeCase> (*types)(), std::vector<CheckCase> (*checks)()) {
        if (types != nullptr)
            for (auto& c : types()) type_cases().push_back(std::move(c));
        if (checks != nullptr)
            for (auto& c : checks()) check_cases().push_back(std::move(c));
    }
};

}  // namespace prynox::test

#define PRYNOX_TYPE_CASES(family)                                                                  \
    static std::vector<::prynox::test::TypeCase> family##_type_cases();                            \
    static const ::prynox::test::RegisterCases family##_type_cases_registered(&family##_type_cases, \
                                                                               nullptr);           \
    static std::vector<::prynox::test::TypeCase> family##_type_cases()

#define PRYNOX_CHECK_CASES(family)                                                                   \
    static std::vector<::prynox::test::CheckCase> family##_check_cases();                            \
    static const ::prynox::test::RegisterCases family##_check_cases_registered(nullptr,              \
                                                                                &family##_check_cases); \
    static std::vector<::prynox::test::CheckCase> family##_check_cases()
