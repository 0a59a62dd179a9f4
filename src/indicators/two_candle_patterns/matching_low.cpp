#include "indicators/two_candle_patterns/matching_low.hpp"

#include <cmath>

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double MatchingLowRule::test(CandleRow<2> c) {
    const Candle& p = c[0];
    const Candle& k = c[1];
    if (!((candle_body(p) < 0.0) & (candle_body(k) < 0.0))) return kNoPattern;
    const double tolerance = 0.05 * midpoint(candle_range(k), candle_range(p));
    return std::fabs(k.close - p.close) <= tolerance ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
