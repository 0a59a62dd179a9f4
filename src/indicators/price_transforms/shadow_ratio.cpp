#include "indicators/price_transforms/shadow_ratio.hpp"

#include <algorithm>

namespace prynox {

OptionalValue ShadowRatio::update_candle(const Candle& c) {
    const double range = c.high - c.low;
    if (range == 0.0) return 0.0;
    const double upper = c.high - std::max(c.open, c.close);
    const double lower = std::min(c.open, c.close) - c.low;
    return (upper - lower) / range;
}

}  // namespace prynox
