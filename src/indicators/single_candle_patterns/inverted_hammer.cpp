#include "indicators/single_candle_patterns/inverted_hammer.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

bool inverted_hammer_shape(const Candle& k) {
    const double size = body_size(k);
    return (k.high > k.low) & (candle_body(k) != 0.0) & (upper_shadow(k) >= size + size) & (lower_shadow(k) <= size);
}

double InvertedHammerRule::test(CandleRow<1> c) {
    return inverted_hammer_shape(c[0]) ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
