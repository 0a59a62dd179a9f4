#include "indicators/tail_risk/tail_ratio.hpp"

#include <cmath>
#include <span>

#include "indicators/cores/window_quantile.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

namespace {

// q95 / |q05| of an ascending list, 0 when q05 is 0; nothing when not finite.
OptionalValue tail_ratio_of(std::span<const double> sorted) {
    double q95 = window_quantile(sorted, 0.95);
    double q05 = window_quantile(sorted, 0.05);
    if (!std::isfinite(q95) || !std::isfinite(q05)) return std::nullopt;
    if (q05 == 0.0) return 0.0;
    double ratio = q95 / std::fabs(q05);
    if (!std::isfinite(ratio)) return std::nullopt;
    return ratio;
}

}  // namespace

std::expected<TailRatio, IndicatorError> TailRatio::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kTailRatioPeriodMessage)) return std::unexpected(*e);
    return TailRatio(period);
}

OptionalValue TailRatio::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.push(x)) return std::nullopt;
    if (!window_.full()) return std::nullopt;
    return tail_ratio_of(window_.sorted());
}

}  // namespace prynox
