#include "indicators/single_candle_patterns/hammer.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

bool hammer_shape(const Candle& k) {
    const double size = body_size(k);
    return (k.high > k.low) & (candle_body(k) != 0.0) & (lower_shadow(k) >= size + size) & (upper_shadow(k) <= size);
}

double HammerRule::test(CandleRow<1> c) {
    return hammer_shape(c[0]) ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
