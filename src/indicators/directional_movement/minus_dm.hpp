#pragma once
// Minus directional movement smoothed by Wilder's sum form: the first value on candle n + 1 is
// the plain sum of the first n movements.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/directional_movement/wilder_directional.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class MinusDm {
public:
    // Window check on the period.
    static std::expected<MinusDm, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c) {
        return core_.step(c, [](const DirectionalSums& s) { return s.minus_dm; });
    }
    // n + 1
    std::uint64_t warmup_period() const { return core_.period() + 1; }

private:
    explicit MinusDm(std::uint64_t period) : core_(period) {}
    WilderDirectional<false, true, false> core_;
};

}  // namespace prynox
