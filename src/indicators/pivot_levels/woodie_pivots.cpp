#include "indicators/pivot_levels/woodie_pivots.hpp"

namespace prynox {

std::array<double, 5> WoodiePivotRule::levels(const Candle& c) {
    const double h = c.high, l = c.low, r = h - l, pp = ((l + h) + (c.close + c.close)) * 0.25;
    return {pp, 2.0 * pp - l, pp + r, 2.0 * pp - h, pp - r};
}

}  // namespace prynox
