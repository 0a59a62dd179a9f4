#include "indicators/window_statistics/rolling_min_max_scaler.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<RollingMinMaxScaler, IndicatorError> RollingMinMaxScaler::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (period < 2) return std::unexpected(IndicatorError::invalid_period(kMinMaxScalerPeriodMessage));
    return RollingMinMaxScaler(period);
}

OptionalValue RollingMinMaxScaler::update_value(double x) {
    if (!std::isfinite(x) || !extremes_.push(x) || !extremes_.full()) return std::nullopt;
    double lo = extremes_.min();
    double range = extremes_.max() - lo;
    if (range <= 0.0) return 0.5;
    return finite_result((x - lo) / range);
}

}  // namespace prynox
