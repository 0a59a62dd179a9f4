#pragma once
// Median price: the middle of the candle's range, finite even for a range near the
// largest doubles.
// Stateless: every valid candle gives its value, the first included.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class MedianPrice {
public:
    static std::expected<MedianPrice, IndicatorError> create() { return MedianPrice(); }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
