#include "indicators/two_candle_patterns/kicking.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

bool kicking_pair(const Candle& p, const Candle& k) {
    const double r = candle_range(k), pr = candle_range(p);
    return (pr > 0.0) & (body_size(p) >= 0.95 * pr) & (r > 0.0) & (body_size(k) >= 0.95 * r);
}

double KickingRule::test(CandleRow<2> c) {
    const Candle& p = c[0];
    const Candle& k = c[1];
    if (!kicking_pair(p, k)) return kNoPattern;
    const double b = candle_body(k), pb = candle_body(p);
    if ((pb < 0.0) & (b > 0.0) & (k.low > p.high)) return kBullishSignal;
    if ((pb > 0.0) & (k.high < p.low) & (b < 0.0)) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
