#include "indicators/single_candle_patterns/dragonfly_doji.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double DragonflyDojiRule::test(CandleRow<1> c) {
    const Candle& k = c[0];
    const double r = candle_range(k);
    if (!(r > 0.0)) return kNoPattern;
    if (!(body_size(k) <= r * 0.1)) return kNoPattern;
    if (!(lower_shadow(k) >= r * 0.5)) return kNoPattern;
    if (!(upper_shadow(k) <= r * 0.1)) return kNoPattern;
    return kBullishSignal;
}

}  // namespace prynox
