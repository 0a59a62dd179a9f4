#include "indicators/price_transforms/high_low_range.hpp"

namespace prynox {

OptionalValue HighLowRange::update_candle(const Candle& c) {
    if (c.close == 0.0) return 0.0;
    return (c.high - c.low) / c.close;
}

}  // namespace prynox
