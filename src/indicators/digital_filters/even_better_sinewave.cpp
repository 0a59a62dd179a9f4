#include "indicators/digital_filters/even_better_sinewave.hpp"

#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<EvenBetterSinewave, IndicatorError> EvenBetterSinewave::create(std::uint64_t highpass_period,
                                                                             std::uint64_t smoothing_period) {
    if (highpass_period == 0 || smoothing_period == 0) return std::unexpected(IndicatorError::zero_period());
    if (auto e = check_max_period(smoothing_period)) return std::unexpected(*e);
    return EvenBetterSinewave(highpass_period, smoothing_period);
}

EvenBetterSinewave::EvenBetterSinewave(std::uint64_t highpass_period, std::uint64_t smoothing_period)
    : smoother_(static_cast<double>(smoothing_period)) {
    double w = 6.283185307179586 / static_cast<double>(highpass_period);
    alpha1_ = (1.0 - std::sin(w)) / std::cos(w);
    input_weight_ = midpoint(alpha1_, 1.0);
}

OptionalValue EvenBetterSinewave::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    double hp = seen_ >= 1 ? alpha1_ * hp1_ + (x - x1_) * input_weight_ : 0.0;
    if (!std::isfinite(hp)) [[unlikely]]
        return std::nullopt;
    double f = smoother_.next(hp);
    if (!std::isfinite(f)) [[unlikely]]
        return std::nullopt;
    OptionalValue value;
    if (seen_ >= 2) {
        double power = ((f * f + f1_ * f1_) + f2_ * f2_) / 3.0;
        if (!std::isfinite(power)) [[unlikely]]
            return std::nullopt;
        double wave = ((f + f1_) + f2_) / 3.0;
        double v = power > 0.0 ? wave / std::sqrt(power) : 0.0;
        value = v < -1.0 ? -1.0 : (v > 1.0 ? 1.0 : v);
    } else {
        ++seen_;
    }
    smoother_.commit(hp, f);
    x1_ = x;
    hp1_ = hp;
    f2_ = f1_;
    f1_ = f;
    return value;
}

}  // namespace prynox
