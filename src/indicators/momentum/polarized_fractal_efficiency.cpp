#include "indicators/momentum/polarized_fractal_efficiency.hpp"

#include <cmath>

#include "indicators/cores/fused.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<PolarizedFractalEfficiency, IndicatorError> PolarizedFractalEfficiency::create(std::uint64_t period,
                                                                                            std::uint64_t smoothing) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (auto e = check_window(smoothing)) return std::unexpected(*e);
    return PolarizedFractalEfficiency(period, smoothing);
}

PolarizedFractalEfficiency::PolarizedFractalEfficiency(std::uint64_t period, std::uint64_t smoothing)
    : closes_(sat_add(period, 1)), steps_(period), ema_(smoothing), n_(static_cast<double>(period)),
      n_squared_(n_ * n_) {}

std::uint64_t PolarizedFractalEfficiency::warmup_period() const { return sat_add(steps_.capacity(), ema_.period()); }

OptionalValue PolarizedFractalEfficiency::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!closes_.make_room() || !steps_.make_room()) [[unlikely]]
        return std::nullopt;
    if (has_previous_) {
        double d = x - previous_;
        double step = std::sqrt(fused_multiply_add(d, d, 1.0));
        // A step whose square overflows gives no value and leaves the windows as they were; the
        // next step is still taken from this close. Every step kept is then below 1.4e154, so the
        // sum of at most MAX_PERIOD of them stays finite.
        if (!std::isfinite(step)) [[unlikely]] {
            previous_ = x;
            return std::nullopt;
        }
        double path = path_ + step;
        if (steps_.full()) path = path - steps_.oldest();
        (void)steps_.push(step);
        path_ = path;
    }
    previous_ = x;
    has_previous_ = true;
    (void)closes_.push(x);
    if (!closes_.full()) return std::nullopt;
    double distance = x - closes_.oldest();
    double sign = distance > 0.0 ? 100.0 : distance < 0.0 ? -100.0 : 0.0;
    double raw = (std::sqrt(fused_multiply_add(distance, distance, n_squared_)) * sign) / path_;
    if (!std::isfinite(raw)) return std::nullopt;
    return ema_.step(raw);
}

}  // namespace prynox
