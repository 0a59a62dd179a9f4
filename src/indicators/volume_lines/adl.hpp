#pragma once
// Accumulation/distribution line: the running total of the money-flow volume, the volume times
// where the close stands in the bar's range ((close - low) - (high - close)) / range, 0 on a bar
// without range. Every valid candle gives a value. A candle whose range, flow or total is not
// finite gives nothing and changes nothing.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Adl {
public:
    static std::expected<Adl, IndicatorError> create() { return Adl{}; }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 1; }

private:
    double total_ = 0.0;
};

}  // namespace prynox
