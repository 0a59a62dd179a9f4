#include "indicators/two_candle_patterns/tweezer.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double TweezerRule::test(CandleRow<2> c) const {
    const Candle& p = c[0];
    const Candle& k = c[1];
    const bool bottom = std::fabs(k.low - p.low) <= tolerance * std::max(std::fabs(k.low), std::fabs(p.low));
    const bool top = std::fabs(k.high - p.high) <= tolerance * std::max(std::fabs(k.high), std::fabs(p.high));
    return bottom ? kBullishSignal : top ? kBearishSignal : kNoPattern;
}

}  // namespace prynox
