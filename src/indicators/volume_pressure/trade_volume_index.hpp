#pragma once
// Trade volume index: the running total of the volume, signed by the direction of the last
// close-to-close move larger than the minimum tick (0 until the first such move).
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kTradeVolumeIndexTickMessage =
    "trade volume index min_tick must be finite and non-negative";

class TradeVolumeIndex {
public:
    // The minimum tick must be finite and non-negative (-0 passes).
    static std::expected<TradeVolumeIndex, IndicatorError> create(double min_tick);

    // A candle that would take the index beyond the doubles is refused (no value, the index and
    // the direction as they were): the index would stay there for the rest of the run. The next
    // move is still measured from its close.
    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 2; }

private:
    explicit TradeVolumeIndex(double min_tick) : min_tick_(min_tick) {}

    OptionalValue previous_close_;
    double min_tick_;
    double direction_ = 0.0;
    double index_ = 0.0;
};

}  // namespace prynox
