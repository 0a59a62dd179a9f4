#include "indicators/channels/regression_channel_fit.hpp"

#include <cmath>

namespace prynox {

bool RegressionChannelFit::step(double close, std::array<double, 3>& out) {
    if (!std::isfinite(close) || !window_.push(close) || !window_.full()) return false;
    double sum = 0.0;
    window_.for_each([&sum](double y) { sum += y; });
    const double mean = sum / k_.n;
    double sy = 0.0, sxy = 0.0, i = 0.0;
    window_.for_each([&](double y) {
        sy += y - mean;
        sxy += (y - mean) * i;
        i += 1.0;
    });
    const double b = (sxy * k_.n - sy * k_.sum_x) / k_.denominator;
    const double a = (sy - k_.sum_x * b) / k_.n;
    double ssr = 0.0;
    i = 0.0;
    window_.for_each([&](double y) {
        const double r = (y - mean) - (a + b * i);
        ssr += r * r;
        i += 1.0;
    });
    const double w = std::sqrt(ssr / divisor_);
    const double middle = (k_.n - 1.0) * b + (mean + a);
    const double upper = middle + w * multiplier_, lower = middle - w * multiplier_;
    if (!(std::isfinite(upper) && std::isfinite(middle) && std::isfinite(lower))) [[unlikely]]
        return false;
    out = {upper, middle, lower};
    return true;
}

}  // namespace prynox
