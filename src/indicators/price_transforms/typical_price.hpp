#pragma once
// Typical price: the mean of high, low and close; a flat bar gives its price exactly.
// Stateless: every valid candle gives its value, the first included.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TypicalPrice {
public:
    static std::expected<TypicalPrice, IndicatorError> create() { return TypicalPrice(); }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
