#pragma once
// Intraday intensity: where the close sits in the range, from -1 (on the low) to +1 (on the
// high), times the volume; 0 on a bar without range.
// Stateless: every valid candle gives its value, the first included.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class IntradayIntensity {
public:
    static std::expected<IntradayIntensity, IndicatorError> create() { return IntradayIntensity(); }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
