#include "indicators/price_transforms/median_price.hpp"

#include "indicators/cores/midpoint.hpp"

namespace prynox {

OptionalValue MedianPrice::update_candle(const Candle& c) {
    return midpoint(c.high, c.low);
}

}  // namespace prynox
