#include "indicators/two_candle_patterns/tweezer.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double TweezerRule::test(CandleRow<2> c) const {
    const Candle& p = c[0];
    const Candle& k = c[1];
    if (std::fabs(k.low - p.low) <= tolerance * std::max(std::fabs(k.low), std::fabs(p.low))) return kBullishSignal;
    if (std::fabs(k.high - p.high) <= tolerance * std::max(std::fabs(k.high), std::fabs(p.high))) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
