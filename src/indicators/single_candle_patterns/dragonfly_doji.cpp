#include "indicators/single_candle_patterns/dragonfly_doji.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double DragonflyDojiRule::test(CandleRow<1> c) {
    const Candle& k = c[0];
    const double r = candle_range(k);
    const bool shape =
        (r > 0.0) & (body_size(k) <= r * 0.1) & (lower_shadow(k) >= r * 0.5) & (upper_shadow(k) <= r * 0.1);
    return shape ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
