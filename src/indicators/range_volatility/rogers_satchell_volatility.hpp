#pragma once
// Rogers-Satchell volatility: the mean over the last n candles of ln(H / C) ln(H / O) + ln(L / O) ln(L / C),
// which a drift in the price does not bias, annualised and given in percent.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"
#include "indicators/range_volatility/range_estimator.hpp"

namespace prynox {

class RogersSatchellVolatility {
public:
    // A zero window or count of bars per year is refused; neither has an upper bound.
    static std::expected<RogersSatchellVolatility, IndicatorError> create(std::uint64_t period, std::uint64_t bars_per_year);

    OptionalValue update_candle(const Candle& c);
    // n: the first value comes on the n-th candle.
    std::uint64_t warmup_period() const { return estimator_.period(); }

private:
    explicit RogersSatchellVolatility(RangeEstimator estimator) : estimator_(estimator) {}

    RangeEstimator estimator_;
};

}  // namespace prynox
