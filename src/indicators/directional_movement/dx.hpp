#pragma once
// Directional movement index: 100 |+DI - -DI| / (+DI + -DI) of the two directional indicators
// over one smoothed true range (0 when both indicators are 0).
#include <cmath>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/directional_movement/wilder_directional.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Dx {
public:
    // Window check on the period.
    static std::expected<Dx, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c) {
        return core_.step(c, [](const DirectionalSums& s) {
            const double plus = directional_indicator(s.plus_dm, s.tr);
            const double minus = directional_indicator(s.minus_dm, s.tr);
            const double sum = plus + minus;
            return sum == 0.0 ? 0.0 : (100.0 * std::fabs(plus - minus)) / sum;
        });
    }
    // n + 1
    std::uint64_t warmup_period() const { return core_.period() + 1; }

private:
    explicit Dx(std::uint64_t period) : core_(period) {}
    WilderDirectional<true, true, true> core_;
};

}  // namespace prynox
