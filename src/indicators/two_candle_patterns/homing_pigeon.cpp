#include "indicators/two_candle_patterns/homing_pigeon.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double HomingPigeonRule::test(CandleRow<2> c) {
    const Candle& p = c[0];
    const Candle& k = c[1];
    const bool gates = (candle_body(p) < 0.0) & (k.close >= p.close) & (candle_body(k) < 0.0) & (k.open <= p.open);
    return gates & ((k.open - k.close) < (p.open - p.close)) ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
