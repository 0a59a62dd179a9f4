#include "indicators/volatility/historical_volatility.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<HistoricalVolatility, IndicatorError> HistoricalVolatility::create(std::uint64_t period,
                                                                                 std::uint64_t annualisation) {
    if (period == 0 || annualisation == 0) return std::unexpected(IndicatorError::zero_period());
    if (auto e = check_minimum(period, 2, kHistoricalVolatilityPeriodMessage)) return std::unexpected(*e);
    return HistoricalVolatility(period, annualisation);
}

OptionalValue HistoricalVolatility::update_value(double x) {
    auto r = input_.next(x);
    if (!r) return std::nullopt;
    if (!returns_.push(*r)) return std::nullopt;
    if (!returns_.full()) return std::nullopt;
    double sd = std::sqrt(returns_.sample_variance());
    return sd * sqrt_annualisation_ * 100.0;
}

}  // namespace prynox
