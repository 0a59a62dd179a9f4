#pragma once
// DeMark range expansion index: the sum over n bars of the two-bar moves of high and low, taken
// only on bars whose range overlaps the bars 5 or 6 back (or whose bar 2 back overlaps the
// closes 7 or 8 back), as a percentage of the sum of the absolute moves, held to -100..100.
// Both sums are re-summed on every bar.
//
// A bar whose moves or sums leave the doubles gives nothing and leaves the sums' windows as they
// were: taken in, it would give NaN, or pin the value to a bound, until it left the window. It
// still joins the eight candles the later moves are measured against.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/demark_oscillators/window_sum.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TdRei {
public:
    // The window check on n.
    static std::expected<TdRei, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return sat_add(numerators_.capacity(), 8); }

private:
    explicit TdRei(std::uint64_t period) : bars_(8), numerators_(period), denominators_(period) {}

    RollingWindow<Candle> bars_;  // the eight candles before the current one
    FreshSumWindow numerators_;
    FreshSumWindow denominators_;
};

}  // namespace prynox
