#include "indicators/three_candle_patterns/tower_top_bottom.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double TowerTopBottomRule::test(CandleRow<3> c) {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    const double r1 = candle_range(k1), r2 = candle_range(k2), r3 = candle_range(k3);
    if (!(r3 > 0.0) || !(body_size(k3) / r3 >= 0.5)) return kNoPattern;
    if (!(r1 > 0.0) || !(body_size(k1) / r1 >= 0.5)) return kNoPattern;
    if (!(r2 == 0.0 || body_size(k2) / r2 <= 0.3)) return kNoPattern;
    const double b1 = candle_body(k1), b3 = candle_body(k3);
    if ((b1 < 0.0) & (b3 > 0.0)) return kBullishSignal;
    if ((b1 > 0.0) & (b3 < 0.0)) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
