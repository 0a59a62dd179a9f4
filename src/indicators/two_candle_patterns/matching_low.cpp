#include "indicators/two_candle_patterns/matching_low.hpp"

#include <cmath>

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double MatchingLowRule::test(CandleRow<2> c) {
    const Candle& p = c[0];
    const Candle& k = c[1];
    const double tolerance = 0.05 * midpoint(candle_range(k), candle_range(p));
    const bool matching = (candle_body(p) < 0.0) & (candle_body(k) < 0.0) & (std::fabs(k.close - p.close) <= tolerance);
    return matching ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
