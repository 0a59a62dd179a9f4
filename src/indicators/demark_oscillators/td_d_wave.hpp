#pragma once
// DeMark wave count: numbers the alternating swing waves 1 to 8, then again from 1. A pivot is
// the candle n bars back when its high is strictly above (or its low strictly below) that of
// every other candle of the last 2n + 1; a pivot of the side opposite to the last one opens the
// next wave, and every bar repeats the current wave (none before the first pivot).
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TdDWave {
public:
    // The window check on n.
    static std::expected<TdDWave, IndicatorError> create(std::uint64_t period);

    // Scans the 2n + 1 candles on every full bar.
    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return bars_.capacity(); }

private:
    enum Side : std::uint8_t { None, High, Low };

    explicit TdDWave(std::uint64_t period) : bars_(sat_add(sat_mul(period, 2), 1)), period_(period) {}

    OptionalValue last_;
    RollingWindow<Candle> bars_;  // the last 2n + 1 candles
    std::uint64_t period_;
    std::uint64_t wave_ = 0;
    Side side_ = None;
};

}  // namespace prynox
