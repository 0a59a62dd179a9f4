#include "indicators/window_statistics/detrended_std_dev.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/regression_constants.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<DetrendedStdDev, IndicatorError> DetrendedStdDev::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kDetrendedStdDevPeriodMessage)) return std::unexpected(*e);
    return DetrendedStdDev(period);
}

DetrendedStdDev::DetrendedStdDev(std::uint64_t period)
    : window_(period), n_(regression_constants(period).n), den_(regression_constants(period).denominator) {}

OptionalValue DetrendedStdDev::update_value(double x) {
    if (!std::isfinite(x) || !window_.push(x) || !window_.full()) return std::nullopt;
    double y0 = window_.oldest();
    double mean_t = (n_ - 1.0) / 2.0;
    double sum_z = 0.0;
    window_.for_each([&](double y) { sum_z += y - y0; });
    double mean_z = sum_z / n_;
    double sxx = den_ / n_;
    double sxy = 0.0;
    double t = 0.0;
    window_.for_each([&](double y) {
        sxy += (t - mean_t) * ((y - y0) - mean_z);
        t += 1.0;
    });
    double b = sxy / sxx;
    double sse = 0.0;
    t = 0.0;
    window_.for_each([&](double y) {
        double e = ((y - y0) - mean_z) - b * (t - mean_t);
        sse += e * e;
        t += 1.0;
    });
    return finite_result(std::sqrt(sse / n_));
}

}  // namespace prynox
