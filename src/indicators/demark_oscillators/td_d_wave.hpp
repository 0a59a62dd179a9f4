#pragma once
// DeMark wave count: numbers the alternating swing waves 1 to 8, then again from 1. A pivot is
// the candle n bars back when its high is strictly above (or its low strictly below) that of
// every other candle of the last 2n + 1; a pivot of the side opposite to the last one opens the
// next wave, and every bar repeats the current wave (none before the first pivot).
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/strict_pivot.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TdDWave {
public:
    // The window check on n.
    static std::expected<TdDWave, IndicatorError> create(std::uint64_t period);

    // The pivot test is O(1) per candle (StrictPivot).
    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return pivots_.span(); }

private:
    enum Side : std::uint8_t { None, High, Low };

    explicit TdDWave(std::uint64_t period) : pivots_(period, period) {}

    OptionalValue last_;
    StrictPivot pivots_;  // the last 2n + 1 candles, centred
    std::uint64_t wave_ = 0;
    Side side_ = None;
};

}  // namespace prynox
