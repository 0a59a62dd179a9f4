#include "indicators/volatility/rvi_volatility.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<RviVolatility, IndicatorError> RviVolatility::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (period < 2) return std::unexpected(IndicatorError::invalid_period(kRviPeriodMessage));
    return RviVolatility(period);
}

}  // namespace prynox
