#include "indicators/risk_ratios/sortino_ratio.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<SortinoRatio, IndicatorError> SortinoRatio::create(std::uint64_t period, double mar) {
    if (auto e = check_minimum(period, 2, kSortinoRatioPeriodMessage)) return std::unexpected(*e);
    return SortinoRatio(period, mar);
}

OptionalValue SortinoRatio::update_value(double x) {
    if (!std::isfinite(x)) [[unlikely]]
        return std::nullopt;
    // The window takes a return whose running sum overflows: a window with no shortfall is 0
    // without reading the sum, and the mean is read only where it is finite.
    if (!returns_.push_unsummed(x)) [[unlikely]]
        return std::nullopt;
    if (!returns_.full()) [[unlikely]]
        return std::nullopt;
    double shortfall = 0.0;
    returns_.values().for_each([&](double r) {
        double d = r - mar_;
        if (d < 0.0) shortfall += d * d;
    });
    double downside = shortfall / n_;
    // Shortfalls too large to square mean nothing.
    if (!std::isfinite(downside)) [[unlikely]]
        return std::nullopt;
    if (downside == 0.0) return 0.0;
    double value = (returns_.sum() / n_ - mar_) / std::sqrt(downside);
    if (!std::isfinite(value)) [[unlikely]]
        return std::nullopt;
    return value;
}

}  // namespace prynox
