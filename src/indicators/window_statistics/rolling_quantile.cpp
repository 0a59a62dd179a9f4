#include "indicators/window_statistics/rolling_quantile.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/window_quantile.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<RollingQuantile, IndicatorError> RollingQuantile::create(std::uint64_t period, double q) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (!(std::isfinite(q) && q >= 0.0 && q <= 1.0))
        return std::unexpected(IndicatorError::invalid_parameter(kRollingQuantileMessage));
    return RollingQuantile(period, q);
}

OptionalValue RollingQuantile::update_value(double x) {
    if (!std::isfinite(x) || !window_.push(x) || !window_.full()) return std::nullopt;
    return finite_result(window_quantile(window_.sorted(), q_));
}

}  // namespace prynox
