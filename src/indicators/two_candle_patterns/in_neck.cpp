#include "indicators/two_candle_patterns/in_neck.hpp"

#include "indicators/cores/candle_shape.hpp"
#include "indicators/two_candle_patterns/neck_setup.hpp"

namespace prynox {

double InNeckRule::test(CandleRow<2> c) {
    const Candle& p = c[0];
    const Candle& k = c[1];
    if (!(neck_setup(p, k) & (k.close >= p.close))) return kNoPattern;
    return k.close <= p.close + 0.1 * (p.open - p.close) ? kBearishSignal : kNoPattern;
}

}  // namespace prynox
