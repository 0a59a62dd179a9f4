#include "indicators/moving_averages/generalized_dema.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<GeneralizedDema, IndicatorError> GeneralizedDema::create(std::uint64_t period, double volume_factor) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (!(std::isfinite(volume_factor) && volume_factor >= 0.0 && volume_factor <= 1.0))
        return std::unexpected(IndicatorError::invalid_period(kGdVolumeFactorMessage));
    return GeneralizedDema(period, volume_factor);
}

}  // namespace prynox
