#include "indicators/single_candle_patterns/belt_hold.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double BeltHoldRule::test(CandleRow<1> c) const {
    const Candle& k = c[0];
    const double r = candle_range(k);
    if (!(r > 0.0)) return kNoPattern;
    if (!(body_size(k) >= r * 0.5)) return kNoPattern;
    const double b = candle_body(k);
    if (b > 0.0 && k.open - k.low <= threshold * r) return kBullishSignal;
    if (b < 0.0 && k.high - k.open <= threshold * r) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
