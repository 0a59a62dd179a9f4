#pragma once
// Volume-weighted average price since the first valid candle of the run: the sum of volume
// times the typical price ((high + low) + close) / 3 over the sum of volume, with no value
// until some volume has been seen. Zero-volume candles leave the sums as they are and still
// give the value. A candle whose typical price, weighted term or sums are not finite gives
// nothing and changes nothing, so that it cannot leave the sums infinite for the rest of the run.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Vwap {
public:
    static std::expected<Vwap, IndicatorError> create() { return Vwap{}; }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 1; }

private:
    double weighted_ = 0.0;
    double volume_ = 0.0;
};

}  // namespace prynox
