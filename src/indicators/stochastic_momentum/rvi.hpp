#pragma once
// Relative vigor index: the 1-2-2-1 smoothed close - open summed over a window, over the same
// sum of high - low. A window without range repeats the last value.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/counted_sum.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Rvi {
public:
    // Window check on the period.
    static std::expected<Rvi, IndicatorError> create(std::uint64_t period);

    // A candle whose body or range leaves the doubles gives nothing and changes nothing; one whose
    // smoothing or sums would leave them gives nothing and adds nothing to the sums.
    OptionalValue update_candle(const Candle& c);
    // p + 3
    std::uint64_t warmup_period() const { return smoothed_.capacity() + 3; }

private:
    struct Pair {
        double body;   // close - open
        double range;  // high - low
    };
    explicit Rvi(std::uint64_t period) : smoothed_(period) {}

    Pair raw_[4] = {};  // the last four pairs, oldest first
    std::uint64_t raw_held_ = 0;
    RollingWindow<Pair> smoothed_;
    // Never re-summed: the counts of non-zero terms say exactly when a window's sum is 0.
    CountedSum body_sum_;
    CountedSum range_sum_;
    double last_ = 0.0;
    bool has_last_ = false;
};

}  // namespace prynox
