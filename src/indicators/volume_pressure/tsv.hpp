#pragma once
// Time segmented volume: the sum over the last n candles of the volume times the change of the
// close. The sum is never re-summed, so an exact count of non-zero terms gives 0 for a window
// of unchanged closes or no volume, whatever residue the sum keeps.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/carried_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Tsv {
public:
    // Window check on n (the constructor shared with Smma).
    static std::expected<Tsv, IndicatorError> create(std::uint64_t n);

    // Nothing for a candle whose term or sum leaves the doubles: the window and its sum stay as
    // they were, and the next change is measured from its close.
    OptionalValue update_candle(const Candle& c);
    // n + 1
    std::uint64_t warmup_period() const;

private:
    explicit Tsv(CarriedWindow state) : state_(std::move(state)) {}

    // The previous close, the terms and their running sum.
    CarriedWindow state_;
    std::uint64_t nonzero_ = 0;
};

}  // namespace prynox
