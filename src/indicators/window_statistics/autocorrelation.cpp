#include "indicators/window_statistics/autocorrelation.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Autocorrelation, IndicatorError> Autocorrelation::create(std::uint64_t period, std::uint64_t lag) {
    if (lag == 0) return std::unexpected(IndicatorError::invalid_period(kAutocorrelationLagMessage));
    if (period <= lag) return std::unexpected(IndicatorError::invalid_period(kAutocorrelationPeriodMessage));
    return Autocorrelation(period, lag);
}

OptionalValue Autocorrelation::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.push(x)) return std::nullopt;
    bool flat = run_.push(x);
    if (!window_.full()) return std::nullopt;
    if (flat) return 0.0;
    double sum = 0.0;
    window_.for_each([&sum](double y) { sum += y; });
    double mean = sum / n_;
    double den = 0.0;
    window_.for_each([&](double y) {
        double d = y - mean;
        den += d * d;
    });
    std::size_t pairs = window_.size() - lag_;
    double num = 0.0;
    for (std::size_t i = 0; i < pairs; ++i) num += (window_[i] - mean) * (window_[i + lag_] - mean);
    if (den == 0.0) return 0.0;
    return finite_result(num / den);
}

}  // namespace prynox
