#include "indicators/window_statistics/rolling_percentile_rank.hpp"

#include <cmath>
#include <utility>

#include "indicators/cores/period_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<RollingPercentileRank, IndicatorError> RollingPercentileRank::create(std::uint64_t period) {
    auto window = PeriodWindow::create(period);
    if (!window) return std::unexpected(window.error());
    return RollingPercentileRank(std::move(*window));
}

OptionalValue RollingPercentileRank::update_value(double x) {
    if (!std::isfinite(x) || !window_.push(x) || !window_.full()) return std::nullopt;
    std::uint64_t below = 0;
    std::uint64_t equal = 0;
    window_.for_each([&](double y) {
        below += y < x ? 1 : 0;
        equal += y == x ? 1 : 0;
    });
    return (static_cast<double>(below) + static_cast<double>(equal) / 2.0) / n_ * 100.0;
}

}  // namespace prynox
