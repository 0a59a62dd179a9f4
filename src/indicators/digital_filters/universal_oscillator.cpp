#include "indicators/digital_filters/universal_oscillator.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<UniversalOscillator, IndicatorError> UniversalOscillator::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return UniversalOscillator(period);
}

OptionalValue UniversalOscillator::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (seen_ < 2) {
        shift(x);
        return std::nullopt;
    }
    double w = (x - x2_) * 0.5;
    if (!std::isfinite(w)) [[unlikely]] {
        shift(x);
        return last_;
    }
    double f = smoother_.next(w);
    if (!std::isfinite(f)) [[unlikely]]
        return std::nullopt;
    double decayed = 0.991 * peak_;
    double peak = std::fabs(f) > decayed ? std::fabs(f) : decayed;
    double value = 0.0;
    if (peak > 0.0) {
        double v = f / peak;
        value = v < -1.0 ? -1.0 : (v > 1.0 ? 1.0 : v);
    }
    smoother_.commit(w, f);
    peak_ = peak;
    last_ = value;
    shift(x);
    return value;
}

}  // namespace prynox
