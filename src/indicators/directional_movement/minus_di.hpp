#pragma once
// Minus directional indicator: 100 times the smoothed minus movement over the smoothed true range
// (0 while that range is 0).
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/directional_movement/wilder_directional.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class MinusDi {
public:
    // Window check on the period.
    static std::expected<MinusDi, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c) {
        return core_.step(c, [](const DirectionalSums& s) { return directional_indicator(s.minus_dm, s.tr); });
    }
    // n + 1
    std::uint64_t warmup_period() const { return core_.period() + 1; }

private:
    explicit MinusDi(std::uint64_t period) : core_(period) {}
    WilderDirectional<false, true, true> core_;
};

}  // namespace prynox
