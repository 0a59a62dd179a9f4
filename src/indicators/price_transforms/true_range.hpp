#pragma once
// True range: the candle's range, widened to reach the previous valid close once there is one.
// Prices near the largest doubles give what the formula gives (an infinite range is reported as
// none by the engine); only the close is kept, so the next bar is unaffected.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TrueRange {
public:
    static std::expected<TrueRange, IndicatorError> create() { return TrueRange(); }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 1; }

private:
    double previous_close_ = 0.0;
    bool has_previous_close_ = false;
};

}  // namespace prynox
