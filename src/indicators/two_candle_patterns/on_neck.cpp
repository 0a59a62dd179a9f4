#include "indicators/two_candle_patterns/on_neck.hpp"

#include <cmath>

#include "indicators/cores/candle_shape.hpp"
#include "indicators/two_candle_patterns/neck_setup.hpp"

namespace prynox {

double OnNeckRule::test(CandleRow<2> c) {
    const Candle& p = c[0];
    const Candle& k = c[1];
    if (!neck_setup(p, k)) return kNoPattern;
    return std::fabs(k.close - p.low) <= 0.05 * candle_range(p) ? kBearishSignal : kNoPattern;
}

}  // namespace prynox
