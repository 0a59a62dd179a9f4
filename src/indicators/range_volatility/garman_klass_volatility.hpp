#pragma once
// Garman-Klass volatility: the mean over the last n candles of ln(H / L)^2 / 2 - (2 ln 2 - 1) ln(C / O)^2,
// floored at 0, annualised with the square root of the bars per year and given in percent.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"
#include "indicators/range_volatility/range_estimator.hpp"

namespace prynox {

class GarmanKlassVolatility {
public:
    // A zero window or count of bars per year is refused; neither has an upper bound.
    static std::expected<GarmanKlassVolatility, IndicatorError> create(std::uint64_t period, std::uint64_t bars_per_year);

    OptionalValue update_candle(const Candle& c);
    // n: the first value comes on the n-th candle.
    std::uint64_t warmup_period() const { return estimator_.period(); }

private:
    explicit GarmanKlassVolatility(RangeEstimator estimator) : estimator_(estimator) {}

    RangeEstimator estimator_;
};

}  // namespace prynox
