#include "indicators/demark_oscillators/td_pressure.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<TdPressure, IndicatorError> TdPressure::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return TdPressure(period);
}

OptionalValue TdPressure::update_candle(const Candle& c) {
    const double range = c.high - c.low;
    if (!std::isfinite(range)) [[unlikely]]
        return std::nullopt;
    const double pressure = range > 0.0 ? c.volume * ((c.close - c.open) / range) : 0.0;
    const double pressure_sum = pressures_.sum_after_push(pressure), volume_sum = volumes_.sum_after_push(c.volume);
    const double ap = pressure_sum / n_, av = volume_sum / n_;
    if (!std::isfinite(volume_sum) || !std::isfinite(ap * 100.0)) [[unlikely]]
        return std::nullopt;
    if (!pressures_.make_room() || !volumes_.make_room()) [[unlikely]]
        return std::nullopt;
    pressures_.push(pressure, pressure_sum);  // room was made above
    volumes_.push(c.volume, volume_sum);
    if (!pressures_.full()) return std::nullopt;
    return av == 0.0 ? 0.0 : (ap * 100.0) / av;
}

}  // namespace prynox
