#include "indicators/reversal_signals/three_line_break.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<ThreeLineBreak, IndicatorError> ThreeLineBreak::create(std::uint64_t lines) {
    if (auto e = check_window(lines)) return std::unexpected(*e);
    return ThreeLineBreak(lines);
}

OptionalValue ThreeLineBreak::update_candle(const Candle& c) {
    const double close = c.close;
    if (!drawn_) {
        // Nothing taken when it fails: the next close tries again.
        if (lines_.push(close)) newest_ = close, drawn_ = true;
        return std::nullopt;
    }
    const double last = newest_;
    int drawn = 0;
    if (direction_ >= 0) {
        if (close > last)
            drawn = 1;
        else if (close < lines_.min())
            drawn = -1;
    } else {
        if (close < last)
            drawn = -1;
        else if (close > lines_.max())
            drawn = 1;
    }
    if (drawn != 0) {
        if (!lines_.push(close)) [[unlikely]]
            return std::nullopt;  // no room for the line: the bar is not taken
        newest_ = close;
        direction_ = drawn;
    }
    if (direction_ == 0) return std::nullopt;
    return static_cast<double>(direction_);
}

}  // namespace prynox
