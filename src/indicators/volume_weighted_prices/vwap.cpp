#include "indicators/volume_weighted_prices/vwap.hpp"

#include <cmath>

namespace prynox {

OptionalValue Vwap::update_candle(const Candle& c) {
    const double typical = ((c.high + c.low) + c.close) / 3.0;
    const double weighted = weighted_ + c.volume * typical;
    const double volume = c.volume + volume_;
    if (!std::isfinite(weighted) || !std::isfinite(volume)) [[unlikely]]
        return {};
    weighted_ = weighted;
    volume_ = volume;
    if (volume == 0.0) return {};
    return weighted / volume;
}

}  // namespace prynox
