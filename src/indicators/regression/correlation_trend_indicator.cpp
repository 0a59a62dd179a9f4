#include "indicators/regression/correlation_trend_indicator.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/regression_constants.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<CorrelationTrendIndicator, IndicatorError> CorrelationTrendIndicator::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kCtiPeriodMessage)) return std::unexpected(*e);
    return CorrelationTrendIndicator(period);
}

CorrelationTrendIndicator::CorrelationTrendIndicator(std::uint64_t period) : window_(period), run_(period) {
    auto c = regression_constants(period);
    n_ = c.n;
    sum_x_ = c.sum_x;
    den_ = c.denominator;
}

OptionalValue CorrelationTrendIndicator::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.push(x)) return std::nullopt;
    bool flat = run_.push(x);
    if (!window_.full()) return std::nullopt;
    if (flat) return 0.0;
    double sum = -0.0;
    window_.for_each([&sum](double y) { sum += y; });
    double mean = sum / n_;
    double sy = 0.0;
    double syy = 0.0;
    double sxy = 0.0;
    double i = 0.0;
    window_.for_each([&](double y) {
        double d = y - mean;
        sy += d;
        syy += d * d;
        sxy += i * d;
        i += 1.0;
    });
    double den = den_ * (syy * n_ - sy * sy);
    if (den == 0.0) return 0.0;
    // A negative or overflowing spread is rounding or overflow, not a correlation.
    if (!(den > 0.0 && std::isfinite(den))) [[unlikely]]
        return std::nullopt;
    double r = (sxy * n_ - sum_x_ * sy) / std::sqrt(den);
    if (!std::isfinite(r)) [[unlikely]]
        return std::nullopt;
    if (r < -1.0) r = -1.0;
    if (r > 1.0) r = 1.0;
    return r;
}

}  // namespace prynox
