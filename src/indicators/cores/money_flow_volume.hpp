#pragma once
// The money-flow volume of a candle: its volume times where the close stands in its range,
// V * (((C - L) - (H - C)) / (H - L)) in that order, and 0 on a candle without range. NaN when
// the range itself overflows (a valid candle spanning most of the doubles): callers refuse it.
#include <cmath>
#include <limits>

#include "core/model/market.hpp"

namespace prynox {

inline double money_flow_volume(const Candle& c) {
    const double range = c.high - c.low;
    if (range == 0.0) return 0.0;
    if (!std::isfinite(range)) [[unlikely]]
        return std::numeric_limits<double>::quiet_NaN();
    return c.volume * (((c.close - c.low) - (c.high - c.close)) / range);
}

}  // namespace prynox
