#include "indicators/reversal_signals/pivot_reversal.hpp"

namespace prynox {

std::expected<PivotReversal, IndicatorError> PivotReversal::create(std::uint64_t left, std::uint64_t right) {
    if (left == 0 || right == 0) return std::unexpected(IndicatorError::zero_period());
    return PivotReversal(left, right);
}

OptionalValue PivotReversal::update_candle(const Candle& c) {
    if (!bars_.push({c.high, c.low})) [[unlikely]]
        return std::nullopt;  // the window could not grow: the bar is not taken
    const double close = c.close;
    if (!bars_.full()) {
        previous_close_ = close;
        return std::nullopt;
    }
    // The window is full, so the candidate at position L lies inside it (L < L + R + 1).
    const std::size_t candidate = static_cast<std::size_t>(left_);
    const Extremes at = bars_[candidate];
    bool is_high = true;
    bool is_low = true;
    for (std::size_t i = 0; i < bars_.size() && (is_high || is_low); ++i) {
        if (i == candidate) continue;
        const Extremes& other = bars_[i];
        is_high = is_high && other.high < at.high;
        is_low = is_low && other.low > at.low;
    }
    if (is_high) pivot_high_ = at.high;
    if (is_low) pivot_low_ = at.low;
    double value = 0.0;
    if (pivot_high_ && previous_close_ && close > *pivot_high_ && *previous_close_ <= *pivot_high_) value = 1.0;
    if (pivot_low_ && previous_close_ && close < *pivot_low_ && *previous_close_ >= *pivot_low_) value = -1.0;
    previous_close_ = close;
    return value;
}

}  // namespace prynox
