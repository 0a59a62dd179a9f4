#pragma once
// Three-line break: the direction of a line-break chart. A close beyond the newest line in the
// current direction draws a line that way; a close beyond the extreme of the last k lines the
// other way draws a reversal line. +1 or -1 from the first line drawn on, nothing before. The
// extremes of the last k lines come from WindowExtremes in O(1) per line drawn; its storage
// grows with the lines drawn.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/window_extremes.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class ThreeLineBreak {
public:
    // The window check on the line count k.
    static std::expected<ThreeLineBreak, IndicatorError> create(std::uint64_t lines);

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 2; }

    std::size_t storage() const { return lines_.storage(); }

private:
    explicit ThreeLineBreak(std::uint64_t lines) : lines_(lines) {}

    // The extremes of the prices of the last k lines; the first close is the first line. The
    // comparisons below read them with < and >, so which zero a scan would keep is immaterial.
    WindowExtremes lines_;
    double newest_ = 0.0;  // price of the newest line
    bool drawn_ = false;   // the first line is drawn
    // +1 up, -1 down, 0 before any line is drawn.
    int direction_ = 0;
};

}  // namespace prynox
