#include "indicators/two_candle_patterns/separating_lines.hpp"

#include <cmath>

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double SeparatingLinesRule::test(CandleRow<2> c) {
    const Candle& p = c[0];
    const Candle& k = c[1];
    const double b = candle_body(k), pb = candle_body(p);
    const double r = candle_range(k), pr = candle_range(p);
    const bool gates = (r > 0.0) & (pr > 0.0) & (std::fabs(k.open - p.open) <= 0.05 * pr) & (std::fabs(b) >= 0.5 * r);
    if (!gates) return kNoPattern;
    if ((k.open - k.low <= 0.05 * r) & (b > 0.0) & (pb < 0.0)) return kBullishSignal;
    if ((pb > 0.0) & (b < 0.0) & (k.high - k.open <= 0.05 * r)) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
