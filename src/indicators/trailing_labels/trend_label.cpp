#include "indicators/trailing_labels/trend_label.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<TrendLabel, IndicatorError> TrendLabel::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kTrendLabelPeriodMessage)) return std::unexpected(*e);
    return TrendLabel(period);
}

OptionalValue TrendLabel::update_value(double x) {
    if (!std::isfinite(x)) [[unlikely]]
        return std::nullopt;
    if (!window_.push(x)) return std::nullopt;
    bool constant = run_.push(x);
    if (!window_.full()) return std::nullopt;
    if (constant) return 0.0;
    const double n = static_cast<double>(window_.capacity());
    double sum = -0.0;
    window_.for_each([&sum](double v) { sum += v; });
    const double m = sum / n;
    const double c = (n - 1.0) * 0.5;
    double s = 0.0;
    double i = 0.0;
    window_.for_each([&](double v) {
        s += (i - c) * (v - m);
        i += 1.0;
    });
    return s > 0.0 ? 1.0 : (s < 0.0 ? -1.0 : 0.0);
}

}  // namespace prynox
