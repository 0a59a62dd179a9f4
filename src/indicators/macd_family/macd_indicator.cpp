#include "indicators/macd_family/macd_indicator.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<MacdIndicator, IndicatorError> MacdIndicator::create(std::uint64_t fast, std::uint64_t slow,
                                                                   std::uint64_t signal) {
    if (fast == 0 || slow == 0 || signal == 0) return std::unexpected(IndicatorError::zero_period());
    if (fast >= slow) return std::unexpected(IndicatorError::invalid_period(kMacdOrderMessage));
    for (std::uint64_t p : {fast, slow, signal})
        if (auto e = check_max_period(p)) return std::unexpected(*e);
    return MacdIndicator(EmaStage(fast), EmaStage(slow), EmaStage(signal));
}

}  // namespace prynox
