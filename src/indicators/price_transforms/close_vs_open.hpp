#pragma once
// Close versus open: the bar's change relative to its open (its sign follows the open's
// as well as the body's); 0 on a zero open.
// Stateless: every valid candle gives its value, the first included.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class CloseVsOpen {
public:
    static std::expected<CloseVsOpen, IndicatorError> create() { return CloseVsOpen(); }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
