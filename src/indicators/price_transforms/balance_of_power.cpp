#include "indicators/price_transforms/balance_of_power.hpp"

namespace prynox {

OptionalValue BalanceOfPower::update_candle(const Candle& c) {
    const double range = c.high - c.low;
    if (range == 0.0) return 0.0;
    return (c.close - c.open) / range;
}

}  // namespace prynox
