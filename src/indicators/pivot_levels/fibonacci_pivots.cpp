#include "indicators/pivot_levels/fibonacci_pivots.hpp"

namespace prynox {

std::array<double, 7> FibonacciPivotRule::levels(const Candle& c) {
    const double h = c.high, l = c.low, r = h - l, pp = (c.close + (l + h)) / 3.0;
    return {pp, pp + 0.382 * r, pp + 0.618 * r, pp + r, pp - 0.382 * r, pp - 0.618 * r, pp - r};
}

}  // namespace prynox
