#include "indicators/money_flow/ease_of_movement.hpp"

#include <cmath>

#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<EaseOfMovement, IndicatorError> EaseOfMovement::create(std::uint64_t n) {
    if (auto e = check_window(n)) return std::unexpected(*e);
    return EaseOfMovement(n);
}

std::uint64_t EaseOfMovement::warmup_period() const { return sat_add(moves_.length(), 1); }

OptionalValue EaseOfMovement::update_candle(const Candle& c) {
    const double m = midpoint(c.high, c.low);
    if (!previous_midpoint_) [[unlikely]] {
        previous_midpoint_ = m;
        return {};
    }
    if (!moves_.make_room()) [[unlikely]]
        return {};
    const double e =
        c.volume == 0.0 ? 0.0 : (kVolumeDivisor * ((c.high - c.low) * (m - *previous_midpoint_))) / c.volume;
    const bool taken = moves_.push({e});
    previous_midpoint_ = m;
    if (!taken) [[unlikely]]
        return {};
    if (!moves_.full()) return {};
    const CountedSum& sum = moves_.sum(0);
    return sum.all_zero() ? 0.0 : sum.sum / divisor_;
}

}  // namespace prynox
