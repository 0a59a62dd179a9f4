#include "indicators/trailing_labels/trend_strength_index.hpp"

#include "indicators/cores/fused.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<TrendStrengthIndex, IndicatorError> TrendStrengthIndex::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (period < 2) return std::unexpected(IndicatorError::invalid_period(kTrendStrengthPeriodMessage));
    return TrendStrengthIndex(period);
}

OptionalValue TrendStrengthIndex::update_value(double x) {
    if (!std::isfinite(x)) [[unlikely]]
        return std::nullopt;
    if (!window_.push(x)) return std::nullopt;
    bool constant = run_.push(x);
    if (!window_.full()) return std::nullopt;
    if (constant) return 0.0;
    const double n = static_cast<double>(window_.capacity());
    if (!position_sums_ready_) [[unlikely]] {
        for (std::uint64_t k = 0; k < window_.capacity(); ++k) {
            double i = static_cast<double>(k);
            sx_ += i;
            sxx_ += i * i;
        }
        position_sums_ready_ = true;
    }
    double sum = -0.0;
    window_.for_each([&sum](double v) { sum += v; });
    const double m = sum / n;
    double sy = 0.0;
    double syy = 0.0;
    double sxy = 0.0;
    double i = 0.0;
    window_.for_each([&](double v) {
        double y = v - m;
        sy += y;
        syy += y * y;
        sxy += i * y;
        i += 1.0;
    });
    double dy = fused_multiply_add(n, syy, -(sy * sy));
    if (dy <= 0.0) return 0.0;
    double dx = fused_multiply_add(n, sxx_, -(sx_ * sx_));
    double c = fused_multiply_add(n, sxy, sx_ * (-sy));
    double r2 = (c * c) / (dy * dx);
    // Sums beyond the doubles (closes near the largest double) give no value for this bar.
    if (!std::isfinite(r2)) [[unlikely]]
        return std::nullopt;
    return c < 0.0 ? -r2 : r2;
}

}  // namespace prynox
