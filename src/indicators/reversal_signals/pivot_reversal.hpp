#pragma once
// Pivot reversal: +1 on the bar whose close breaks above the last confirmed swing high, -1 on
// the bar whose close breaks below the last confirmed swing low, 0 otherwise. A swing high is
// the bar L bars after the oldest of the last L + R + 1 whose high is strictly above every other
// high there (a swing low likewise, below every other low); it is confirmed R bars late. The
// test is O(1) per bar (StrictPivot).
#include <cstdint>
#include <expected>
#include <optional>

#include "core/model/market.hpp"
#include "indicators/cores/strict_pivot.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class PivotReversal {
public:
    // Zero spans are refused; no upper bound: the window L + R + 1 saturates and its storage
    // follows the data seen.
    static std::expected<PivotReversal, IndicatorError> create(std::uint64_t left, std::uint64_t right);

    OptionalValue update_candle(const Candle& c);
    // L + R + 1
    std::uint64_t warmup_period() const { return pivots_.span(); }

    std::size_t storage() const { return pivots_.storage(); }

private:
    PivotReversal(std::uint64_t left, std::uint64_t right) : pivots_(left, right) {}

    StrictPivot pivots_;
    std::optional<double> pivot_high_;
    std::optional<double> pivot_low_;
    std::optional<double> previous_close_;
};

}  // namespace prynox
