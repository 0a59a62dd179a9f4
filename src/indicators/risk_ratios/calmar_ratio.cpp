#include "indicators/risk_ratios/calmar_ratio.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<CalmarRatio, IndicatorError> CalmarRatio::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kCalmarRatioPeriodMessage)) return std::unexpected(*e);
    return CalmarRatio(period);
}

OptionalValue CalmarRatio::update_value(double x) {
    if (!std::isfinite(x)) [[unlikely]]
        return std::nullopt;
    if (!returns_.push(x)) [[unlikely]]
        return std::nullopt;
    if (!returns_.full()) [[unlikely]]
        return std::nullopt;
    double equity = 1.0;
    double peak = 1.0;
    double largest = 0.0;
    returns_.values().for_each([&](double r) {
        equity = equity * (1.0 + r);
        if (equity > peak) peak = equity;
        double dd = (peak - equity) / peak;
        if (dd > largest) largest = dd;
    });
    // Once the product overflows, its peaks and drawdowns mean nothing.
    if (!std::isfinite(equity)) [[unlikely]]
        return std::nullopt;
    if (largest == 0.0) return 0.0;
    double value = (returns_.sum() / n_) / largest;
    if (!std::isfinite(value)) [[unlikely]]
        return std::nullopt;
    return value;
}

}  // namespace prynox
