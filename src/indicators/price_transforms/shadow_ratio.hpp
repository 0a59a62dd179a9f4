#pragma once
// Shadow ratio: upper minus lower shadow over the range, from -1 to +1; 0 on a flat bar.
// Stateless: every valid candle gives its value, the first included.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class ShadowRatio {
public:
    static std::expected<ShadowRatio, IndicatorError> create() { return ShadowRatio(); }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
