#include "indicators/two_candle_patterns/tasuki_gap.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double TasukiGapRule::test(CandleRow<3> c) {
    const Candle& a = c[0];
    const Candle& m = c[1];
    const Candle& k = c[2];
    // The first candle's colour picks the side; the two sides cannot both hold.
    const bool up = (a.close > a.open) & (m.close > m.open) & (m.open > a.close) & (k.close < k.open) &
                    (m.open < k.open) & (k.open < m.close) & (a.close < k.close) & (k.close < m.open);
    const bool down = (a.close < a.open) & (m.close < m.open) & (m.open < a.close) & (k.close > k.open) &
                      (m.close < k.open) & (k.open < m.open) & (m.open < k.close) & (k.close < a.close);
    return up ? kBullishSignal : down ? kBearishSignal : kNoPattern;
}

}  // namespace prynox
