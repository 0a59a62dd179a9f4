#include "indicators/volume_lines/adl.hpp"

#include <cmath>

namespace prynox {

OptionalValue Adl::update_candle(const Candle& c) {
    const double range = c.high - c.low;
    // A range beyond the doubles would read as a flow of 0 (or NaN): the bar has no flow to add.
    if (!std::isfinite(range)) [[unlikely]]
        return {};
    const double flow = range == 0.0 ? 0.0 : c.volume * (((c.close - c.low) - (c.high - c.close)) / range);
    const double total = flow + total_;
    if (!std::isfinite(total)) [[unlikely]]
        return {};
    total_ = total;
    return total;
}

}  // namespace prynox
