#pragma once
// WaveTrend: the typical price's distance from its EMA over 0.015 times the EMA of that
// distance's size (the channel index), smoothed by an EMA (wt1) and a simple average (wt2).
#include <array>
#include <cstdint>
#include <expected>
#include <utility>

#include "core/model/market.hpp"
#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"

namespace prynox {

class WaveTrend {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"wt1", "wt2"};

    // Any period zero, then the maximum of the channel and average periods and the signal
    // average's own check, in that order.
    static std::expected<WaveTrend, IndicatorError> create(std::uint64_t channel, std::uint64_t average,
                                                           std::uint64_t signal);

    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // 2 n1 + n2 + n3 - 3
    std::uint64_t warmup_period() const;

private:
    WaveTrend(std::uint64_t channel, std::uint64_t average, Sma signal)
        : esa_(channel), d_(channel), wt1_(average), wt2_(std::move(signal)) {}

    EmaStage esa_;  // of the typical price
    EmaStage d_;    // of |typical price - esa|
    EmaStage wt1_;  // of the channel index
    Sma wt2_;       // of wt1
};

}  // namespace prynox
