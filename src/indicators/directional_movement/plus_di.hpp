#pragma once
// Plus directional indicator: 100 times the smoothed plus movement over the smoothed true range
// (0 while that range is 0).
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/directional_movement/wilder_directional.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class PlusDi {
public:
    // Window check on the period.
    static std::expected<PlusDi, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c) {
        return core_.step(c, [](const DirectionalSums& s) { return directional_indicator(s.plus_dm, s.tr); });
    }
    // n + 1
    std::uint64_t warmup_period() const { return core_.period() + 1; }

private:
    explicit PlusDi(std::uint64_t period) : core_(period) {}
    WilderDirectional<true, false, true> core_;
};

}  // namespace prynox
