#include "indicators/projection_oscillator/projection_oscillator.hpp"

#include <cmath>

namespace prynox {

std::expected<ProjectionOscillator, IndicatorError> ProjectionOscillator::create(std::uint64_t period) {
    if (auto e = ProjectionCore::check(period)) return std::unexpected(*e);
    return ProjectionOscillator(period);
}

OptionalValue ProjectionOscillator::update_candle(const Candle& c) {
    ProjectionBand band;
    if (!core_.step(c.high, c.low, band)) return std::nullopt;
    const double range = band.upper - band.lower;
    if (range == 0.0) return 50.0;
    const double value = ((c.close - band.lower) * 100.0) / range;
    // Prices near the ends of the doubles can carry a projection out of them (a band of NaN or
    // infinities): no value while such a candle is in the window.
    if (!std::isfinite(value)) [[unlikely]]
        return std::nullopt;
    return value;
}

}  // namespace prynox
