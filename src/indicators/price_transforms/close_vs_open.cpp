#include "indicators/price_transforms/close_vs_open.hpp"

namespace prynox {

OptionalValue CloseVsOpen::update_candle(const Candle& c) {
    if (c.open == 0.0) return 0.0;
    return (c.close - c.open) / c.open;
}

}  // namespace prynox
