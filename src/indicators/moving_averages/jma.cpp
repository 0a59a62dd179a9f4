#include "indicators/moving_averages/jma.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Jma, IndicatorError> Jma::create(std::uint64_t period, std::uint32_t power, double phase) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (!std::isfinite(phase)) return std::unexpected(IndicatorError::invalid_period(kJmaPhaseMessage));
    if (power < 1 || power > 4) return std::unexpected(IndicatorError::invalid_period(kJmaPowerMessage));
    return Jma(period, power, phase);
}

Jma::Jma(std::uint64_t period, std::uint32_t power, double phase) {
    double t = static_cast<double>(period - 1) * 0.45;
    beta_ = t / (t + 2.0);
    // beta to the integer power by repeated squaring
    double result = 1.0;
    double base = beta_;
    for (std::uint32_t p = power; p != 0; p >>= 1) {
        if (p & 1u) result *= base;
        base *= base;
    }
    alpha_ = result;
    phase_ratio_ = phase / 100.0 + 1.5;
    if (phase_ratio_ < 0.5) phase_ratio_ = 0.5;
    if (phase_ratio_ > 2.5) phase_ratio_ = 2.5;
}

OptionalValue Jma::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!last_) {
        e0_ = x;
        last_ = x;
        return x;
    }
    double value = *last_;
    double e0 = x * (1.0 - alpha_) + alpha_ * e0_;
    double d0 = (x - e0) * (1.0 - beta_) + beta_ * d0_;
    double d1 = alpha_ * alpha_ * d1_ + (1.0 - alpha_) * ((1.0 - alpha_) * (e0 + phase_ratio_ * d0 - value));
    double next = value + d1;
    // Terms pushed beyond the largest double would stay infinite: the bar is skipped whole.
    if (!std::isfinite(next) || !std::isfinite(d0) || !std::isfinite(d1)) return std::nullopt;
    e0_ = e0;
    d0_ = d0;
    d1_ = d1;
    last_ = next;
    return next;
}

}  // namespace prynox
