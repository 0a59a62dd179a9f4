#include "indicators/price_transforms/typical_price.hpp"

namespace prynox {

OptionalValue TypicalPrice::update_candle(const Candle& c) {
    // A flat bar's typical price is its price: three equal prices summed and divided by 3 can
    // miss it by an ulp (0.1 gives 0.10000000000000002).
    if (c.high == c.low) return c.close;
    return ((c.high + c.low) + c.close) / 3.0;
}

}  // namespace prynox
