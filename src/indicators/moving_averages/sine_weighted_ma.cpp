#include "indicators/moving_averages/sine_weighted_ma.hpp"

#include <new>

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

namespace {
constexpr double kPi = 3.141592653589793;
}

std::expected<SineWeightedMa, IndicatorError> SineWeightedMa::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return SineWeightedMa(period);
}

std::vector<double> SineWeightedMa::weights(std::uint64_t period, double& total) {
    double n1 = static_cast<double>(period) + 1.0;
    std::vector<double> w(period);
    total = -0.0;
    for (std::uint64_t i = 0; i < period; ++i) {
        w[i] = std::sin((static_cast<double>(i + 1) * kPi) / n1);
        total += w[i];
    }
    return w;
}

OptionalValue SineWeightedMa::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.full() && !window_.make_room()) return std::nullopt;
    if (window_.size() + 1 == window_.capacity() && weights_.empty()) {
        try {
            weights_ = weights(window_.capacity(), total_);
        } catch (const std::bad_alloc&) {
            return std::nullopt;
        }
    }
    (void)window_.push(x);  // room was made above
    if (!window_.full()) return std::nullopt;
    double sum = 0.0;
    std::size_t i = 0;
    window_.for_each([&](double c) { sum += weights_[i++] * c; });
    return sum / total_;
}

}  // namespace prynox
