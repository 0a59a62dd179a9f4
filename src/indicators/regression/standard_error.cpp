#include "indicators/regression/standard_error.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/regression_constants.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<StandardError, IndicatorError> StandardError::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 3, kStandardErrorPeriodMessage)) return std::unexpected(*e);
    return StandardError(period);
}

StandardError::StandardError(std::uint64_t period)
    : window_(period), n_(regression_constants(period).n), den_(regression_constants(period).denominator) {}

OptionalValue StandardError::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.push(x)) return std::nullopt;
    if (!window_.full()) return std::nullopt;
    double k = window_.oldest();
    double c = (n_ - 1.0) * 0.5;
    double sum = 0.0;
    window_.for_each([&](double y) { sum += y - k; });
    double m = sum / n_;
    double sxy = 0.0;
    double i = 0.0;
    window_.for_each([&](double y) {
        sxy += (i - c) * ((y - k) - m);
        i += 1.0;
    });
    double b = sxy / (den_ / n_);
    double sse = 0.0;
    i = 0.0;
    window_.for_each([&](double y) {
        double e = ((y - k) - m) - b * (i - c);
        sse += e * e;
        i += 1.0;
    });
    return finite_result(std::sqrt(sse / (n_ - 2.0)));
}

}  // namespace prynox
