#include "indicators/two_candle_patterns/thrusting.hpp"

#include "indicators/cores/candle_shape.hpp"
#include "indicators/two_candle_patterns/neck_setup.hpp"

namespace prynox {

double ThrustingRule::test(CandleRow<2> c) {
    const Candle& p = c[0];
    const Candle& k = c[1];
    if (!neck_setup(p, k)) return kNoPattern;
    const bool into_body = (k.close < body_midpoint(p)) & (k.close > p.close + 0.1 * (p.open - p.close));
    return into_body ? kBearishSignal : kNoPattern;
}

}  // namespace prynox
