#include "indicators/moving_averages/alma.hpp"

#include <new>

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Alma, IndicatorError> Alma::create(std::uint64_t period, double offset, double sigma) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (!(std::isfinite(offset) && offset >= 0.0 && offset <= 1.0))
        return std::unexpected(IndicatorError::invalid_period(kAlmaOffsetMessage));
    if (!(std::isfinite(sigma) && sigma > 0.0)) return std::unexpected(IndicatorError::invalid_period(kAlmaSigmaMessage));
    return Alma(period, offset, sigma);
}

std::vector<double> Alma::weights(std::uint64_t period, double offset, double sigma) {
    double n = static_cast<double>(period);
    double m = offset * (n - 1.0);
    double s = n / sigma;
    std::vector<double> w(period);
    double total = -0.0;
    for (std::uint64_t i = 0; i < period; ++i) {
        double d = static_cast<double>(i) - m;
        w[i] = std::exp((d * -d) / (s * (s + s)));
        total += w[i];
    }
    for (double& v : w) v /= total;
    return w;
}

OptionalValue Alma::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.full() && !window_.make_room()) return std::nullopt;
    if (window_.size() + 1 == window_.capacity() && weights_.empty()) {
        try {
            weights_ = weights(window_.capacity(), offset_, sigma_);
        } catch (const std::bad_alloc&) {
            return std::nullopt;
        }
    }
    (void)window_.push(x);  // room was made above
    if (!window_.full()) return std::nullopt;
    double value = 0.0;
    std::size_t i = 0;
    window_.for_each([&](double c) { value += weights_[i++] * c; });
    last_ = value;
    return value;
}

}  // namespace prynox
