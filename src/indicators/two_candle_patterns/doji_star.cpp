#include "indicators/two_candle_patterns/doji_star.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double DojiStarRule::test(CandleRow<2> c) {
    const Candle& p = c[0];
    const Candle& k = c[1];
    const double r = candle_range(k), pr = candle_range(p);
    const double pb = candle_body(p);
    const bool gates = (r > 0.0) & (pr > 0.0) & (std::fabs(pb) >= 0.5 * pr) & (body_size(k) <= 0.1 * r);
    if (!gates) return kNoPattern;
    if ((std::max(k.open, k.close) < p.close) & (pb < 0.0)) return kBullishSignal;
    if ((pb > 0.0) & (std::min(k.open, k.close) > p.close)) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
