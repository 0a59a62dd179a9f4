#include "indicators/momentum/wave_pm.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<WavePm, IndicatorError> WavePm::create(std::uint64_t period, std::uint64_t smoothing) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (auto e = check_window(smoothing)) return std::unexpected(*e);
    return WavePm(period, smoothing);
}

std::uint64_t WavePm::warmup_period() const {
    return sat_sub(sat_add(wave_.period(), sat_mul(2, power_.period())), 1);
}

OptionalValue WavePm::update_value(double x) {
    auto d = change_.update_value(x);
    if (!d) return std::nullopt;
    double q = *d * *d;
    if (!std::isfinite(q)) return std::nullopt;
    // A square that would turn the power average infinite is refused like an infinite one:
    // the average would otherwise stay infinite for the rest of the run.
    if (!power_.seeded()) [[unlikely]] {
        double seed = power_seed_ + q;
        if (!std::isfinite(seed)) return std::nullopt;
        power_seed_ = seed;
    }
    EmaStage before = power_;
    auto v = power_.step(q);
    if (!v) return std::nullopt;
    if (!std::isfinite(*v)) [[unlikely]] {
        power_ = before;
        return std::nullopt;
    }
    double w = *v <= 0.0 ? 0.0 : 1.0 - std::exp(-q / (*v + *v));
    if (!std::isfinite(w)) return std::nullopt;
    auto e = wave_.step(w);
    if (!e) return std::nullopt;
    return *e * 100.0;
}

}  // namespace prynox
