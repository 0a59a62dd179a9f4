#include "indicators/two_candle_patterns/engulfing.hpp"

#include <cmath>

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double EngulfingRule::test(CandleRow<2> c) {
    const Candle& p = c[0];
    const Candle& k = c[1];
    const double b = candle_body(k), pb = candle_body(p);
    const bool gates = (pb != 0.0) & (std::fabs(b) > std::fabs(pb));
    const bool bull = gates & (k.close >= p.open) & (k.open <= p.close) & (b > 0.0) & (pb < 0.0);
    const bool bear = gates & (pb > 0.0) & (b < 0.0) & (k.open >= p.close) & (k.close <= p.open);
    return bull ? kBullishSignal : bear ? kBearishSignal : kNoPattern;
}

}  // namespace prynox
