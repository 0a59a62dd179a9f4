#include "indicators/three_candle_patterns/morning_evening_star.hpp"

#include <cmath>

#include "indicators/cores/body_ends.hpp"
#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double MorningEveningStarRule::test(CandleRow<3> c) {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    const double b1 = candle_body(k1), b3 = candle_body(k3), size1 = std::fabs(b1), size2 = body_size(k2);
    const double twice2 = size2 + size2;
    if (!((b3 != 0.0) & (b1 != 0.0) & (size1 >= twice2) & (std::fabs(b3) >= twice2))) return kNoPattern;
    const double reach = 0.3 * size1;
    if ((k3.close > k1.close + reach) & (b3 > 0.0) & (b1 < 0.0) & (body_top(k2) < k1.close)) return kBullishSignal;
    if ((b3 < 0.0) & (body_bottom(k2) > k1.close) & (b1 > 0.0) & (k3.close < k1.close - reach)) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
