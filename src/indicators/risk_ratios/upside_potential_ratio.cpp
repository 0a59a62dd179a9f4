#include "indicators/risk_ratios/upside_potential_ratio.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<UpsidePotentialRatio, IndicatorError> UpsidePotentialRatio::create(std::uint64_t period, double mar) {
    if (auto e = check_minimum(period, 2, kUpsidePotentialRatioPeriodMessage)) return std::unexpected(*e);
    if (!std::isfinite(mar)) return std::unexpected(IndicatorError::invalid_parameter(kMarMessage));
    return UpsidePotentialRatio(period, mar);
}

}  // namespace prynox
