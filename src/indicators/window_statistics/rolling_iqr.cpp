#include "indicators/window_statistics/rolling_iqr.hpp"

#include <cmath>
#include <utility>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/window_quantile.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<RollingIqr, IndicatorError> RollingIqr::create(std::uint64_t period) {
    auto window = SortedWindow::create(period);
    if (!window) return std::unexpected(window.error());
    return RollingIqr(std::move(*window));
}

OptionalValue RollingIqr::update_value(double x) {
    if (!std::isfinite(x) || !window_.push(x) || !window_.full()) return std::nullopt;
    auto sorted = window_.sorted();
    return finite_result(window_quantile(sorted, 0.75) - window_quantile(sorted, 0.25));
}

}  // namespace prynox
