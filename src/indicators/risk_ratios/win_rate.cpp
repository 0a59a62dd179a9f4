#include "indicators/risk_ratios/win_rate.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<WinRate, IndicatorError> WinRate::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return WinRate(period);
}

}  // namespace prynox
