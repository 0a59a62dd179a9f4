#include "indicators/candle_transforms/candle_volume.hpp"

#include <cmath>

namespace prynox {

std::expected<CandleVolume, IndicatorError> CandleVolume::create(std::uint64_t period) {
    auto width = VolumeBoxWidth::create(period);
    if (!width) return std::unexpected(width.error());
    return CandleVolume(std::move(*width));
}

bool CandleVolume::update_candle(const Candle& c, std::array<double, 2>& out) {
    // Prices at the ends of the doubles can take the body or the range beyond them.
    const double body = c.close - c.open;
    if (!std::isfinite(body)) [[unlikely]]
        return false;
    double width = 0.0;
    if (!width_.width(c.volume, width)) return false;
    out = {body, width};
    return true;
}

}  // namespace prynox
