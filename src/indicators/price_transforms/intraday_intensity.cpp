#include "indicators/price_transforms/intraday_intensity.hpp"

namespace prynox {

OptionalValue IntradayIntensity::update_candle(const Candle& c) {
    const double range = c.high - c.low;
    if (!(range > 0.0)) return 0.0;
    return (((c.close + c.close) - c.high) - c.low) * c.volume / range;
}

}  // namespace prynox
