#pragma once
// Single prints: the number of price bins, among b spread from the lowest low to the highest
// high of the last n bars, that exactly one bar of the window covers (0 for a window without
// range). Volume plays no part.
//
// The counts come from a difference array (+1 at a bar's first bin, -1 after its last) summed
// once over the bins: the same integers as adding 1 to every bin a bar spans, without the cost
// of the span. A bin count above the maximum period is refused; a candle that would give the
// window a range beyond the doubles gives nothing and changes nothing.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/profile_bins.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class SinglePrints {
public:
    // Both zero checks, then the maximum on the bin count; the window has no upper bound.
    static std::expected<SinglePrints, IndicatorError> create(std::uint64_t period, std::uint64_t bins);

    // Rebuilds the counts from the window on every full bar.
    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return window_.candles.capacity(); }

private:
    SinglePrints(std::uint64_t period, std::uint64_t bins) : window_(period), bins_(bins), scratch_(bins + 1) {}

    ProfileWindow window_;
    std::uint64_t bins_;
    BinScratch<std::int64_t> scratch_;
};

}  // namespace prynox
