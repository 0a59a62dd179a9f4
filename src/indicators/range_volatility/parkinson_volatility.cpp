#include "indicators/range_volatility/parkinson_volatility.hpp"

#include <cmath>

namespace prynox {

std::expected<ParkinsonVolatility, IndicatorError> ParkinsonVolatility::create(std::uint64_t period,
                                                                               std::uint64_t bars_per_year) {
    auto estimator = RangeEstimator::create(period, bars_per_year);
    if (!estimator) return std::unexpected(estimator.error());
    return ParkinsonVolatility(*estimator);
}

OptionalValue ParkinsonVolatility::update_candle(const Candle& c) {
    const double x = std::log(c.high / c.low);
    return estimator_.push(x * x, true, 0.3606737602222412);  // 1 / (4 ln 2)
}

}  // namespace prynox
