#include "indicators/demark_sequences/td_range_projection.hpp"

#include <cmath>

namespace prynox {

bool TdRangeProjection::update_candle(const Candle& c, std::array<double, 2>& out) {
    const double x = c.close < c.open   ? c.close + (c.high + 2.0 * c.low)
                     : c.close > c.open ? c.close + (c.low + 2.0 * c.high)
                                        : (c.high + c.low) + 2.0 * c.close;
    const double high = x * 0.5 - c.low, low = x * 0.5 - c.high;
    if (!std::isfinite(high) || !std::isfinite(low)) [[unlikely]]
        return false;
    out = {high, low};
    return true;
}

}  // namespace prynox
