#include "indicators/derivatives/funding_implied_apr.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"

namespace prynox {

std::expected<FundingImpliedApr, IndicatorError> FundingImpliedApr::create(double intervals_per_year) {
    // Zero of either sign and every negative or non-finite count is refused.
    if (!(std::isfinite(intervals_per_year) && intervals_per_year > 0.0))
        return std::unexpected(IndicatorError::invalid_parameter(kIntervalsPerYearMessage));
    return FundingImpliedApr(intervals_per_year);
}

OptionalValue FundingImpliedApr::update_tick(const DerivativesTick& t) const {
    return finite_result(t.funding_rate * intervals_per_year_);
}

}  // namespace prynox
