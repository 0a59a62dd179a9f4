#pragma once
// Market facilitation index: the range per unit of volume; nothing on a bar without volume.
// Stateless: every valid candle with volume gives its value, the first included.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class MarketFacilitationIndex {
public:
    static std::expected<MarketFacilitationIndex, IndicatorError> create() { return MarketFacilitationIndex(); }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
