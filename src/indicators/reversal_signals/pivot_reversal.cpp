#include "indicators/reversal_signals/pivot_reversal.hpp"

namespace prynox {

std::expected<PivotReversal, IndicatorError> PivotReversal::create(std::uint64_t left, std::uint64_t right) {
    if (left == 0 || right == 0) return std::unexpected(IndicatorError::zero_period());
    return PivotReversal(left, right);
}

OptionalValue PivotReversal::update_candle(const Candle& c) {
    if (!pivots_.push(c.high, c.low)) [[unlikely]]
        return std::nullopt;  // the window could not grow: the bar is not taken
    const double close = c.close;
    if (!pivots_.full()) {
        previous_close_ = close;
        return std::nullopt;
    }
    if (pivots_.high_pivot()) pivot_high_ = pivots_.centre_high();
    if (pivots_.low_pivot()) pivot_low_ = pivots_.centre_low();
    double value = 0.0;
    if (pivot_high_ && previous_close_ && close > *pivot_high_ && *previous_close_ <= *pivot_high_) value = 1.0;
    if (pivot_low_ && previous_close_ && close < *pivot_low_ && *previous_close_ >= *pivot_low_) value = -1.0;
    previous_close_ = close;
    return value;
}

}  // namespace prynox
