#pragma once
// Stochastic momentum index: the close's distance from the middle of the last k candles'
// high-low range, smoothed twice by EMA stages, over half the range smoothed the same way, in
// percent. A window whose smoothed range is not positive repeats the last value.
#include <cmath>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/ema_stage.hpp"
#include "indicators/cores/high_low_extremes.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Smi {
public:
    // Any window 0, then the two smoothing windows against MAX_PERIOD; the high-low window has
    // no upper bound (it grows with the data).
    static std::expected<Smi, IndicatorError> create(std::uint64_t period, std::uint64_t first, std::uint64_t second);

    OptionalValue update_candle(const Candle& c);
    // k + #1 + #2 - 2, saturating.
    std::uint64_t warmup_period() const;

private:
    Smi(std::uint64_t period, std::uint64_t first, std::uint64_t second)
        : extremes_(period), a_(first), b_(second), c_(first), d_(second) {}

    // The highest high and lowest low of the window, as a scan would find them.
    HighLowExtremes extremes_;
    EmaStage a_;  // distance from the middle, then b_ over it
    EmaStage b_;
    EmaStage c_;  // range, then d_ over it
    EmaStage d_;
    double last_ = 0.0;
    bool has_last_ = false;
};

}  // namespace prynox
