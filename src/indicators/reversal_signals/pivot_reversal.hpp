#pragma once
// Pivot reversal: +1 on the bar whose close breaks above the last confirmed swing high, -1 on
// the bar whose close breaks below the last confirmed swing low, 0 otherwise. A swing high is
// the bar L bars after the oldest of the last L + R + 1 whose high is strictly above every other
// high there (a swing low likewise, below every other low); it is confirmed R bars late.
#include <cstdint>
#include <expected>
#include <optional>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
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
    std::uint64_t warmup_period() const { return bars_.capacity(); }

    std::size_t storage() const { return bars_.storage(); }

private:
    struct Extremes {
        double high;
        double low;
    };

    PivotReversal(std::uint64_t left, std::uint64_t right)
        : bars_(sat_add(sat_add(left, right), 1)), left_(left) {}

    // Only the highs and lows are read back.
    RollingWindow<Extremes> bars_;
    std::uint64_t left_;
    std::optional<double> pivot_high_;
    std::optional<double> pivot_low_;
    std::optional<double> previous_close_;
};

}  // namespace prynox
