#pragma once
// Derivative oscillator: the RSI smoothed by two EMA stages, minus a simple average of that
// double-smoothed line.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/rsi_family/rsi.hpp"
#include "indicators/moving_averages/sma.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class DerivativeOscillator {
public:
    // Any zero, then the RSI's window check, then the three smoothing lengths against
    // MAX_PERIOD together.
    static std::expected<DerivativeOscillator, IndicatorError> create(std::uint64_t rsi_period,
                                                                       std::uint64_t first_smoothing,
                                                                       std::uint64_t second_smoothing,
                                                                       std::uint64_t signal_period);

    OptionalValue update_value(double x);
    // N + P + Q + S - 2, fixed at construction.
    std::uint64_t warmup_period() const { return warmup_; }

private:
    DerivativeOscillator(Rsi rsi, std::uint64_t p, std::uint64_t q, std::uint64_t s);

    Rsi rsi_;
    EmaStage first_;
    EmaStage second_;
    Sma signal_;
    std::uint64_t warmup_;
};

}  // namespace prynox
