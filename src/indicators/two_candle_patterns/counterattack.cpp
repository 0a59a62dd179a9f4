#include "indicators/two_candle_patterns/counterattack.hpp"

#include <cmath>

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double CounterattackRule::test(CandleRow<2> c) const {
    const Candle& p = c[0];
    const Candle& k = c[1];
    const double b = candle_body(k), pb = candle_body(p);
    const double r = candle_range(k), pr = candle_range(p);
    const bool gates = (std::fabs(b) >= 0.5 * r) & (std::fabs(pb) >= 0.5 * pr) &
                       (std::fabs(k.close - p.close) <= (r + pr) * (tolerance * 0.5));
    if (!gates) return kNoPattern;
    if ((b > 0.0) & (pb < 0.0)) return kBullishSignal;
    if ((pb > 0.0) & (b < 0.0)) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
