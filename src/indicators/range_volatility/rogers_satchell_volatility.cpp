#include "indicators/range_volatility/rogers_satchell_volatility.hpp"

#include <cmath>

#include "indicators/cores/fused.hpp"

namespace prynox {

std::expected<RogersSatchellVolatility, IndicatorError> RogersSatchellVolatility::create(
    std::uint64_t period, std::uint64_t bars_per_year) {
    auto estimator = RangeEstimator::create(period, bars_per_year);
    if (!estimator) return std::unexpected(estimator.error());
    return RogersSatchellVolatility(*estimator);
}

OptionalValue RogersSatchellVolatility::update_candle(const Candle& c) {
    // The first product and the sum in one rounding.
    const double term = fused_multiply_add(std::log(c.high / c.close), std::log(c.high / c.open),
                                           std::log(c.low / c.open) * std::log(c.low / c.close));
    return estimator_.push(term, false, 1.0);
}

}  // namespace prynox
