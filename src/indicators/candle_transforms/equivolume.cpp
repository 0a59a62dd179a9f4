#include "indicators/candle_transforms/equivolume.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<VolumeBoxWidth, IndicatorError> VolumeBoxWidth::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return VolumeBoxWidth(period);
}

bool VolumeBoxWidth::width(double volume, double& out) {
    const FixedRing& ring = average_.ring();
    const double sum = average_.sum();
    // A sum already beyond the doubles (only a re-summation can leave it there) must not hold
    // every later volume out: the next re-summation brings it back.
    if (std::isfinite(sum) && !std::isfinite(ring.full() ? volume + (sum - ring.at_head()) : volume + sum)) [[unlikely]]
        return false;
    const OptionalValue mean = average_.update_value(volume);
    if (!mean || !std::isfinite(*mean)) return false;
    out = *mean > 0.0 ? volume / *mean : 0.0;
    return true;
}

std::expected<Equivolume, IndicatorError> Equivolume::create(std::uint64_t period) {
    auto width = VolumeBoxWidth::create(period);
    if (!width) return std::unexpected(width.error());
    return Equivolume(std::move(*width));
}

bool Equivolume::update_candle(const Candle& c, std::array<double, 2>& out) {
    // Prices at the ends of the doubles can take the range beyond them.
    const double height = c.high - c.low;
    if (!std::isfinite(height)) [[unlikely]]
        return false;
    double width = 0.0;
    if (!width_.width(c.volume, width)) return false;
    out = {height, width};
    return true;
}

}  // namespace prynox
