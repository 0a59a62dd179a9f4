#include "indicators/three_candle_patterns/tower_top_bottom.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

namespace {

// |b| / r for a range tested positive; any other range gets 1 as its divisor, so that no division
// by a range that is not positive is made and the gates below can join without branches (a
// candle with such a range fails its gate whatever this gives).
double body_share(const Candle& k, double r) { return body_size(k) / (r > 0.0 ? r : 1.0); }

}  // namespace

double TowerTopBottomRule::test(CandleRow<3> c) {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    const double r1 = candle_range(k1), r2 = candle_range(k2), r3 = candle_range(k3);
    const bool outer = (r3 > 0.0) & (body_share(k3, r3) >= 0.5) & (r1 > 0.0) & (body_share(k1, r1) >= 0.5);
    const bool middle = (r2 == 0.0) | (body_share(k2, r2) <= 0.3);
    if (!(outer & middle)) return kNoPattern;
    const double b1 = candle_body(k1), b3 = candle_body(k3);
    if ((b1 < 0.0) & (b3 > 0.0)) return kBullishSignal;
    if ((b1 > 0.0) & (b3 < 0.0)) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
