#include "indicators/moving_averages/kama.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Kama, IndicatorError> Kama::create(std::uint64_t period, std::uint64_t fast, std::uint64_t slow) {
    if (period == 0 || fast == 0 || slow == 0) return std::unexpected(IndicatorError::zero_period());
    if (fast >= slow) return std::unexpected(IndicatorError::invalid_period(kKamaOrderMessage));
    return Kama(period, fast, slow);
}

OptionalValue Kama::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.push(x)) return std::nullopt;
    if (!window_.full()) return std::nullopt;
    double oldest = window_.oldest();
    double change = std::fabs(x - oldest);
    // The path is summed afresh, oldest pair first, on every bar.
    double volatility = -0.0;
    double prev = oldest;
    bool first = true;
    window_.for_each([&](double c) {
        if (first) {
            first = false;
            return;
        }
        volatility += std::fabs(c - prev);
        prev = c;
    });
    double er = volatility == 0.0 ? 0.0 : change / volatility;
    double t = slow_ + er * (fast_ - slow_);
    double sc = t * t;
    double previous = last_ ? *last_ : oldest;
    double value = previous + sc * (x - previous);
    // A change beyond the largest double would make the average infinite for good: skip.
    if (!std::isfinite(value)) return std::nullopt;
    last_ = value;
    return value;
}

}  // namespace prynox
