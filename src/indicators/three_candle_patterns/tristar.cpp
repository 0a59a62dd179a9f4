#include "indicators/three_candle_patterns/tristar.hpp"

#include "indicators/cores/body_ends.hpp"
#include "indicators/cores/candle_shape.hpp"

namespace prynox {

namespace {

bool ranged_doji(const Candle& k) {
    const double r = candle_range(k);
    return (r > 0.0) & (body_size(k) <= 0.1 * r);
}

}  // namespace

double TristarRule::test(CandleRow<3> c) {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    if (!(ranged_doji(k1) & ranged_doji(k2) & ranged_doji(k3))) return kNoPattern;
    const double top2 = body_top(k2), bot2 = body_bottom(k2);
    if ((bot2 > body_top(k1)) & (body_top(k3) < top2)) return kBearishSignal;
    if ((top2 < body_bottom(k1)) & (body_bottom(k3) > bot2)) return kBullishSignal;
    return kNoPattern;
}

}  // namespace prynox
