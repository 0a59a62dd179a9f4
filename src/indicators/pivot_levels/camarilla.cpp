#include "indicators/pivot_levels/camarilla.hpp"

namespace prynox {

std::array<double, 9> CamarillaRule::levels(const Candle& c) {
    const double h = c.high, l = c.low, cl = c.close, k = 1.1 * (h - l), pp = (cl + (l + h)) / 3.0;
    return {pp, cl + k / 12.0, cl + k / 6.0, cl + k * 0.25, cl + k * 0.5,
            cl - k / 12.0, cl - k / 6.0, cl - k * 0.25, cl - k * 0.5};
}

}  // namespace prynox
