#include "indicators/multi_candle_patterns/three_line_strike.hpp"

#include "indicators/cores/candle_shape.hpp"
#include "indicators/three_candle_patterns/three_soldiers_or_crows.hpp"

namespace prynox {

double ThreeLineStrikeRule::test(CandleRow<4> c) {
    const double line = ThreeSoldiersOrCrowsRule::test(c.first<3>());
    const Candle &k1 = c[0], &k3 = c[2], &k4 = c[3];
    const double b4 = candle_body(k4);
    if ((line == kBullishSignal) & (k4.close < k1.open) & (b4 < 0.0) & (k4.open > k3.close)) return kBullishSignal;
    if ((line == kBearishSignal) & (k4.open < k3.close) & (k4.close > k1.open) & (b4 > 0.0)) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
