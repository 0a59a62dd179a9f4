#include "indicators/directional_movement/adxr.hpp"

#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<Adxr, IndicatorError> Adxr::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Adxr(period);
}

OptionalValue Adxr::update_candle(const Candle& c) {
    if (!adx_.make_room()) [[unlikely]]
        return {};
    DmiValues v;
    if (!dmi_.step(c, v)) return {};
    (void)adx_.push(v.adx);  // room was made above
    if (!adx_.full()) return {};
    return midpoint(v.adx, adx_.oldest());
}

std::uint64_t Adxr::warmup_period() const { return sat_sub(sat_mul(3, dmi_.period()), 1); }

}  // namespace prynox
