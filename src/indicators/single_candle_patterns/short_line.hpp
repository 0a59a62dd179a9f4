#pragma once
// Short line: a bar whose range is below the mean range of the five valid candles before it
// and whose body fills at least half of it; +1 on a rising body, else -1 (so a flat bar after
// ranged ones gives -1: its zero body fills half of its zero range).
// The first five valid candles only fill the window: the first value comes with the sixth, and
// the window's length is the reported warm-up.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/previous_range_mean.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class ShortLine {
public:
    static std::expected<ShortLine, IndicatorError> create() { return ShortLine(); }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return ranges_.window(); }

private:
    PreviousRangeMean ranges_;
};

}  // namespace prynox
