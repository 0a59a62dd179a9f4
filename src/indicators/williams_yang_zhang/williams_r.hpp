#pragma once
// Williams %R: where the close stands in the range of the last n candles, from -100 (at the
// lowest low) to 0 (at the highest high); -50 on a window without range. The window keeps the
// highs and lows only, grows with the data up to n, and is scanned on every candle.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class WilliamsR {
public:
    // Window check on the period.
    static std::expected<WilliamsR, IndicatorError> create(std::uint64_t period);

    // A candle the window cannot make room for gives nothing and changes nothing.
    OptionalValue update_candle(const Candle& c);
    // n
    std::uint64_t warmup_period() const { return range_.capacity(); }

private:
    struct Range {
        double high;
        double low;
    };
    explicit WilliamsR(std::uint64_t period) : range_(period) {}
    RollingWindow<Range> range_;
};

}  // namespace prynox
