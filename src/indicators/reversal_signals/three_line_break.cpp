#include "indicators/reversal_signals/three_line_break.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<ThreeLineBreak, IndicatorError> ThreeLineBreak::create(std::uint64_t lines) {
    if (auto e = check_window(lines)) return std::unexpected(*e);
    return ThreeLineBreak(lines);
}

OptionalValue ThreeLineBreak::update_candle(const Candle& c) {
    const double close = c.close;
    if (lines_.empty()) {
        (void)lines_.push(close);  // nothing taken when it fails: the next close tries again
        return std::nullopt;
    }
    const double last = lines_.newest();
    int drawn = 0;
    if (direction_ >= 0) {
        if (close > last) {
            drawn = 1;
        } else {
            double lowest = last;
            lines_.for_each([&lowest](double v) { lowest = v < lowest ? v : lowest; });
            if (close < lowest) drawn = -1;
        }
    } else {
        if (close < last) {
            drawn = -1;
        } else {
            double highest = last;
            lines_.for_each([&highest](double v) { highest = v > highest ? v : highest; });
            if (close > highest) drawn = 1;
        }
    }
    if (drawn != 0) {
        if (!lines_.push(close)) [[unlikely]]
            return std::nullopt;  // no room for the line: the bar is not taken
        direction_ = drawn;
    }
    if (direction_ == 0) return std::nullopt;
    return static_cast<double>(direction_);
}

}  // namespace prynox
