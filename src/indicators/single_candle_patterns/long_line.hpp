#pragma once
// Long line: a bar whose range is above the mean range of the five valid candles before it
// and whose body fills at least half of it; +1 on a rising body, else -1 (a zero body never
// qualifies: a range above a mean of at least 0 is positive).
// The first five valid candles only fill the window: the first value comes with the sixth, and
// the window's length is the reported warm-up.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/previous_range_mean.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class LongLine {
public:
    static std::expected<LongLine, IndicatorError> create() { return LongLine(); }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return ranges_.window(); }

private:
    PreviousRangeMean ranges_;
};

}  // namespace prynox
