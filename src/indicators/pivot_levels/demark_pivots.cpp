#include "indicators/pivot_levels/demark_pivots.hpp"

namespace prynox {

std::array<double, 3> DemarkPivotRule::levels(const Candle& c) {
    const double h = c.high, l = c.low, cl = c.close;
    const double x = cl < c.open ? (h + 2.0 * l) + cl : cl > c.open ? (2.0 * h + l) + cl : (h + l) + 2.0 * cl;
    return {x * 0.25, x * 0.5 - l, x * 0.5 - h};
}

}  // namespace prynox
