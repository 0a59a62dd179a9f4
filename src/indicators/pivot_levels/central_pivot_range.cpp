#include "indicators/pivot_levels/central_pivot_range.hpp"

#include "indicators/cores/midpoint.hpp"

namespace prynox {

std::array<double, 3> CentralPivotRangeRule::levels(const Candle& c) {
    const double pivot = (c.high + c.low + c.close) / 3.0, b = midpoint(c.high, c.low), t = 2.0 * pivot - b;
    return {pivot, t > b ? t : b, t < b ? t : b};
}

}  // namespace prynox
