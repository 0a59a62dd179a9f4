#include "indicators/three_candle_patterns/evening_doji_star.hpp"

#include "indicators/cores/body_ends.hpp"
#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double EveningDojiStarRule::test(CandleRow<3> c) const {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    const double r1 = candle_range(k1), r2 = candle_range(k2), b1 = candle_body(k1);
    if (!((r1 > 0.0) & (r2 > 0.0) & (b1 >= 0.5 * r1) & (body_size(k2) <= 0.1 * r2))) return kNoPattern;
    const double bot2 = body_bottom(k2);
    const bool star = (body_top(k3) < bot2) & (candle_body(k3) < 0.0) & (bot2 > k1.close) &
                      (k3.close < k1.close - penetration * b1);
    return star ? kBearishSignal : kNoPattern;
}

}  // namespace prynox
