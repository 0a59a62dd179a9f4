#pragma once
// Whistler wave of the close: the squared N-bar change against its own exponential average
// (period N), mapped through 1 - exp(-q / 2v) and smoothed again over M bars, in percent.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/momentum/mom.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class WavePm {
public:
    // Zero, then MAX_PERIOD on the period; then the same on the smoothing period.
    static std::expected<WavePm, IndicatorError> create(std::uint64_t period, std::uint64_t smoothing);

    OptionalValue update_value(double x);
    // M + 2N - 1
    std::uint64_t warmup_period() const;

private:
    WavePm(std::uint64_t period, std::uint64_t smoothing) : change_(period), power_(period), wave_(smoothing) {}

    Mom change_;
    EmaStage power_;
    EmaStage wave_;
    // The seed sum of power_ as the stage forms it, to refuse a square that would overflow it.
    double power_seed_ = -0.0;
};

}  // namespace prynox
