#include "indicators/channels/projection_bands.hpp"

#include <cmath>

namespace prynox {

std::expected<ProjectionBands, IndicatorError> ProjectionBands::create(std::uint64_t period) {
    if (auto e = ProjectionCore::check(period)) return std::unexpected(*e);
    return ProjectionBands(period);
}

bool ProjectionBands::update_candle(const Candle& c, std::array<double, 3>& out) {
    ProjectionBand band;
    if (!core_.step(c.high, c.low, band)) return false;
    if (!(std::isfinite(band.upper) && std::isfinite(band.middle) && std::isfinite(band.lower))) [[unlikely]]
        return false;
    out = {band.upper, band.middle, band.lower};
    return true;
}

}  // namespace prynox
