#include "indicators/price_transforms/avg_price.hpp"

namespace prynox {

OptionalValue AvgPrice::update_candle(const Candle& c) {
    return (((c.open + c.high) + c.low) + c.close) * 0.25;
}

}  // namespace prynox
