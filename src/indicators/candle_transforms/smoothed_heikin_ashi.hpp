#pragma once
// Smoothed Heikin-Ashi: the Heikin-Ashi candle of the exponential averages of the open, high, low
// and close (alpha = 2 / (n + 1), each seeded with the mean of its first n inputs).
//
// A candle is taken by all four averages or by none: one whose seed sum, average or Heikin-Ashi
// close would not be finite gives nothing and changes nothing.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/heikin_ashi_step.hpp"
#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class SmoothedHeikinAshi {
public:
    static constexpr std::array<const char*, 4> kOutputNames{"open", "high", "low", "close"};

    // Window check on the period.
    static std::expected<SmoothedHeikinAshi, IndicatorError> create(std::uint64_t period);

    bool update_candle(const Candle& c, std::array<double, 4>& out);
    // n
    std::uint64_t warmup_period() const { return stages_[0].period(); }

private:
    explicit SmoothedHeikinAshi(std::uint64_t period)
        : stages_{EmaStage(period), EmaStage(period), EmaStage(period), EmaStage(period)} {}

    std::array<EmaStage, 4> stages_;  // open, high, low, close
    HeikinAshiStep step_;
};

}  // namespace prynox
