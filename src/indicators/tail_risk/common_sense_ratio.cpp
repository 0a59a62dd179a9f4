#include "indicators/tail_risk/common_sense_ratio.hpp"

#include <cmath>

#include "indicators/cores/window_quantile.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<CommonSenseRatio, IndicatorError> CommonSenseRatio::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kCommonSenseRatioPeriodMessage)) return std::unexpected(*e);
    return CommonSenseRatio(period);
}

OptionalValue CommonSenseRatio::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.push(x)) return std::nullopt;
    if (!window_.full()) return std::nullopt;
    // Gains and losses summed over the window in arrival order.
    double gains = 0.0;
    double losses = 0.0;
    window_.arrival().for_each([&](double r) {
        gains += r > 0.0 ? r : 0.0;
        losses += -r > 0.0 ? -r : 0.0;
    });
    if (!(losses > 0.0)) return 0.0;
    auto v = window_.sorted();
    double q95 = window_quantile(v, 0.95);
    double q05 = window_quantile(v, 0.05);
    if (!std::isfinite(q95) || !std::isfinite(q05)) return std::nullopt;
    if (q05 == 0.0) return 0.0;
    double value = (gains / losses) * (q95 / std::fabs(q05));
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace prynox
