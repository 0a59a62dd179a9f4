#pragma once
// Chaikin volatility: the percentage change of the EMA stage of the high-low range over a lag
// of smoothed values (0.0 where the older one is 0).
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/ema_stage.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class ChaikinVolatility {
public:
    // The smoothing window completely (0, then MAX_PERIOD), then the lag the same way.
    static std::expected<ChaikinVolatility, IndicatorError> create(std::uint64_t smoothing, std::uint64_t lag);

    OptionalValue update_candle(const Candle& c);
    // #0 + #1
    std::uint64_t warmup_period() const { return stage_.period() + smoothed_.capacity() - 1; }

private:
    ChaikinVolatility(std::uint64_t smoothing, std::uint64_t lag) : stage_(smoothing), smoothed_(lag + 1) {}

    EmaStage stage_;
    RollingWindow<double> smoothed_;  // the last #1 + 1 smoothed ranges
};

}  // namespace prynox
