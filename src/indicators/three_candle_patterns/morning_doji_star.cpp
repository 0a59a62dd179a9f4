#include "indicators/three_candle_patterns/morning_doji_star.hpp"

#include "indicators/cores/body_ends.hpp"
#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double MorningDojiStarRule::test(CandleRow<3> c) const {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    const double r1 = candle_range(k1), r2 = candle_range(k2), fall1 = k1.open - k1.close;
    if (!((r1 > 0.0) & (r2 > 0.0) & (fall1 >= 0.5 * r1) & (body_size(k2) <= 0.1 * r2))) return kNoPattern;
    const double top2 = body_top(k2);
    const bool star = (body_bottom(k3) > top2) & (candle_body(k3) > 0.0) & (top2 < k1.close) &
                      (k3.close > k1.close + penetration * fall1);
    return star ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
