#include "indicators/range_volatility/garman_klass_volatility.hpp"

#include <cmath>

namespace prynox {

std::expected<GarmanKlassVolatility, IndicatorError> GarmanKlassVolatility::create(std::uint64_t period,
                                                                                   std::uint64_t bars_per_year) {
    auto estimator = RangeEstimator::create(period, bars_per_year);
    if (!estimator) return std::unexpected(estimator.error());
    return GarmanKlassVolatility(*estimator);
}

OptionalValue GarmanKlassVolatility::update_candle(const Candle& c) {
    const double hl = std::log(c.high / c.low), co = std::log(c.close / c.open);
    return estimator_.push(hl * (hl * 0.5) + co * (co * -0.3862943611198906), false, 1.0);  // -(2 ln 2 - 1)
}

}  // namespace prynox
