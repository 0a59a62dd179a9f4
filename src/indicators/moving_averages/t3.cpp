#include "indicators/moving_averages/t3.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<T3, IndicatorError> T3::create(std::uint64_t period, double volume_factor) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (!(std::isfinite(volume_factor) && volume_factor >= 0.0 && volume_factor <= 1.0))
        return std::unexpected(IndicatorError::invalid_period(kT3VolumeFactorMessage));
    return T3(period, volume_factor);
}

T3::T3(std::uint64_t period, double v)
    : period_(period),
      stages_{EmaStage(period), EmaStage(period), EmaStage(period), EmaStage(period), EmaStage(period),
              EmaStage(period)} {
    double v2 = v * v;
    double v3 = v * (v * v);
    c1_ = -v3;
    c2_ = 3.0 * v2 + 3.0 * v3;
    c3_ = (-6.0 * v2 - 3.0 * v) - 3.0 * v3;
    c4_ = 3.0 * v2 + ((1.0 + 3.0 * v) + v3);
}

OptionalValue T3::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    std::array<double, 6> e{};
    double input = x;
    for (std::size_t i = 0; i < 6; ++i) {
        auto out = stages_[i].step(input);
        if (!out) return std::nullopt;
        // An output that feeds a further stage must be finite.
        if (i < 5 && !std::isfinite(*out)) return std::nullopt;
        e[i] = *out;
        input = *out;
    }
    double value = ((e[5] * c1_ + e[4] * c2_) + e[3] * c3_) + e[2] * c4_;
    last_ = value;
    return value;
}

}  // namespace prynox
