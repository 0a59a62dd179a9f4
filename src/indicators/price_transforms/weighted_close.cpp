#include "indicators/price_transforms/weighted_close.hpp"

namespace prynox {

OptionalValue WeightedClose::update_candle(const Candle& c) {
    return ((c.high + c.low) + (c.close + c.close)) * 0.25;
}

}  // namespace prynox
