#include "indicators/channels/median_channel.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/scratch_reserve.hpp"
#include "indicators/cores/sorted_abs_deviations.hpp"
#include "indicators/cores/window_quantile.hpp"

namespace prynox {

std::expected<MedianChannel, IndicatorError> MedianChannel::create(std::uint64_t period, double multiplier) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (auto e = check_multiplier(multiplier)) return std::unexpected(*e);
    return MedianChannel(period, multiplier);
}

bool MedianChannel::update_value(double close, std::array<double, 3>& out) {
    if (!std::isfinite(close) || !window_.push(close) || !window_.full()) return false;
    const auto sorted = window_.sorted();
    if (!reserve_scratch(deviations_, sorted.size())) [[unlikely]]
        return false;
    const double med = window_quantile(sorted, 0.5);
    sorted_abs_deviations(sorted, med, deviations_);
    const double width = window_quantile(deviations_, 0.5) * multiplier_;
    const double upper = med + width, lower = med - width;
    if (!(std::isfinite(upper) && std::isfinite(med) && std::isfinite(lower))) [[unlikely]]
        return false;
    out = {upper, med, lower};
    return true;
}

}  // namespace prynox
