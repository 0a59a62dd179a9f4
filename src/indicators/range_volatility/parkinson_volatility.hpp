#pragma once
// Parkinson volatility: the mean of ln(H / L)^2 over the last n candles, scaled by 1 / (4 ln 2),
// annualised with the square root of the bars per year and given in percent.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"
#include "indicators/range_volatility/range_estimator.hpp"

namespace prynox {

class ParkinsonVolatility {
public:
    // A zero window or count of bars per year is refused; neither has an upper bound.
    static std::expected<ParkinsonVolatility, IndicatorError> create(std::uint64_t period, std::uint64_t bars_per_year);

    OptionalValue update_candle(const Candle& c);
    // n: the first value comes on the n-th candle.
    std::uint64_t warmup_period() const { return estimator_.period(); }

private:
    explicit ParkinsonVolatility(RangeEstimator estimator) : estimator_(estimator) {}

    RangeEstimator estimator_;
};

}  // namespace prynox
