#pragma once
// Pretty good oscillator: the close's distance from its simple average in units of the EMA
// stage of the true range. A smoothed range that is not positive repeats the last value.
#include <cstdint>
#include <expected>
#include <utility>

#include "core/model/market.hpp"
#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Pgo {
public:
    // Window check on the period.
    static std::expected<Pgo, IndicatorError> create(std::uint64_t period);

    // A candle whose true range overflows gives nothing and leaves the averages as they were; the
    // next true range still reaches to its close.
    OptionalValue update_candle(const Candle& c);
    // n
    std::uint64_t warmup_period() const { return stage_.period(); }

private:
    Pgo(Sma average, std::uint64_t period) : average_(std::move(average)), stage_(period) {}

    Sma average_;
    EmaStage stage_;
    double previous_close_ = 0.0;
    bool has_previous_close_ = false;
    double last_ = 0.0;
    bool has_last_ = false;
};

}  // namespace prynox
