#pragma once
// On-balance volume: the running total of the volume, added on an up close and subtracted on a
// down close, from the first valid candle (which gives 0). A candle that would take the total
// beyond the doubles gives nothing and leaves the total as it was, so that it cannot leave the
// line infinite for the rest of the run; the next close is still compared with its close.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Obv {
public:
    static std::expected<Obv, IndicatorError> create() { return Obv{}; }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 1; }

private:
    double previous_close_ = 0.0;
    double total_ = 0.0;
    bool has_previous_ = false;
};

}  // namespace prynox
