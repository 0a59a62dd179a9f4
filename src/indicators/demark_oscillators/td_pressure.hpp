#pragma once
// DeMark pressure: the volume-weighted share of the range that each bar closed above its open
// (V (C - O) / (H - L), 0 for a bar without range), averaged over n bars and taken as a
// percentage of the average volume (0 without volume). Both means are re-summed on every bar.
//
// A bar whose range, a sum, or the scaled mean pressure leaves the doubles gives nothing and
// changes nothing: taken in, it would give NaN or a value beyond +-100 until it left the window.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/demark_oscillators/window_sum.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TdPressure {
public:
    // The window check on n.
    static std::expected<TdPressure, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return pressures_.capacity(); }

private:
    explicit TdPressure(std::uint64_t period)
        : pressures_(period), volumes_(period), n_(static_cast<double>(period)) {}

    FreshSumWindow pressures_;
    FreshSumWindow volumes_;
    double n_;
};

}  // namespace prynox
