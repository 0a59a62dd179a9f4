#pragma once
// MACD with the classic fixed factors: the fast average weights the newest close by 0.15 and
// the slow one by 0.075 (not 2/13 and 2/27), seeded over 12 and 26 closes; the signal follows
// 2 / (g + 1). The state and its step are MacdIndicator's.
#include <cstdint>
#include <expected>

#include "indicators/indicator_error.hpp"
#include "indicators/macd_family/macd_indicator.hpp"

namespace prynox {

struct MacdFix {
    static constexpr std::uint64_t kFastPeriod = 12;
    static constexpr std::uint64_t kSlowPeriod = 26;
    static constexpr EmaWeights kFastWeights{0.15, 0.85};
    static constexpr EmaWeights kSlowWeights{0.075, 0.925};

    // The window check on the signal period.
    static std::expected<MacdIndicator, IndicatorError> create(std::uint64_t signal);
};

}  // namespace prynox
