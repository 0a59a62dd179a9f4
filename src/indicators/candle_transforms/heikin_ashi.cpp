#include "indicators/candle_transforms/heikin_ashi.hpp"

namespace prynox {

bool HeikinAshi::update_candle(const Candle& c, std::array<double, 4>& out) {
    return step_.step(c.open, c.high, c.low, c.close, out);
}

}  // namespace prynox
