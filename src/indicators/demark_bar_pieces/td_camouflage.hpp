#pragma once
// TD Camouflage: +1 on an up bar that closes below the previous close with a low under the
// previous low, -1 on a down bar that closes above the previous close with a high over the
// previous high.
// A pattern over 2 candles: its first value comes on the second valid candle.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/pattern_signal.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TdCamouflage {
public:
    static std::expected<TdCamouflage, IndicatorError> create() { return TdCamouflage{}; }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return PatternCandles<2>::warmup_period(); }

private:
    PatternCandles<2> candles_;
};

}  // namespace prynox
