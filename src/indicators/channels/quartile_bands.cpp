#include "indicators/channels/quartile_bands.hpp"

#include <cmath>

#include "indicators/cores/window_quantile.hpp"

namespace prynox {

std::expected<QuartileBands, IndicatorError> QuartileBands::create(std::uint64_t period) {
    auto window = SortedWindow::create(period);
    if (!window) return std::unexpected(window.error());
    return QuartileBands(std::move(*window));
}

bool QuartileBands::update_value(double close, std::array<double, 3>& out) {
    if (!std::isfinite(close) || !window_.push(close) || !window_.full()) return false;
    const auto sorted = window_.sorted();
    const double upper = window_quantile(sorted, 0.75), middle = window_quantile(sorted, 0.5),
                 lower = window_quantile(sorted, 0.25);
    if (!(std::isfinite(upper) && std::isfinite(middle) && std::isfinite(lower))) [[unlikely]]
        return false;
    out = {upper, middle, lower};
    return true;
}

}  // namespace prynox
