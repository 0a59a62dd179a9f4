#include "indicators/price_transforms/body_size_pct.hpp"

#include <cmath>

namespace prynox {

OptionalValue BodySizePct::update_candle(const Candle& c) {
    const double range = c.high - c.low;
    if (range == 0.0) return 0.0;
    return std::fabs(c.close - c.open) / range;
}

}  // namespace prynox
