#include "indicators/price_transforms/market_facilitation_index.hpp"

namespace prynox {

OptionalValue MarketFacilitationIndex::update_candle(const Candle& c) {
    if (c.volume == 0.0) return std::nullopt;
    return (c.high - c.low) / c.volume;
}

}  // namespace prynox
