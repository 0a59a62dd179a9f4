#include "indicators/digital_filters/roofing_filter.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<RoofingFilter, IndicatorError> RoofingFilter::create(std::uint64_t lp_period, std::uint64_t hp_period) {
    if (lp_period == 0 || hp_period == 0) return std::unexpected(IndicatorError::zero_period());
    if (lp_period >= hp_period) return std::unexpected(IndicatorError::invalid_period(kRoofingOrderMessage));
    if (auto e = check_max_period(lp_period)) return std::unexpected(*e);
    return RoofingFilter(lp_period, hp_period);
}

}  // namespace prynox
