#include "indicators/pivot_levels/classic_pivots.hpp"

namespace prynox {

std::array<double, 7> ClassicPivotRule::levels(const Candle& c) {
    const double h = c.high, l = c.low, r = h - l, pp = (c.close + (l + h)) / 3.0;
    return {pp, 2.0 * pp - l, pp + r, h + 2.0 * (pp - l), 2.0 * pp - h, pp - r, l - 2.0 * (h - pp)};
}

}  // namespace prynox
