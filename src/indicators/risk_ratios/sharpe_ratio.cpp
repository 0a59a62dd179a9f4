#include "indicators/risk_ratios/sharpe_ratio.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<SharpeRatio, IndicatorError> SharpeRatio::create(std::uint64_t period, double risk_free) {
    if (auto e = check_minimum(period, 2, kSharpeRatioPeriodMessage)) return std::unexpected(*e);
    return SharpeRatio(period, risk_free);
}

}  // namespace prynox
