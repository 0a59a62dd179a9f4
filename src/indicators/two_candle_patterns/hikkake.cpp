#include "indicators/two_candle_patterns/hikkake.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double HikkakeRule::test(CandleRow<3> c) {
    const Candle& a = c[0];
    const Candle& m = c[1];
    const Candle& k = c[2];
    const bool inside = (m.high < a.high) & (m.low > a.low);
    const bool down = inside & (k.high < m.high) & (k.low < m.low);
    const bool up = inside & (k.low > m.low) & (k.high > m.high);
    return down ? kBullishSignal : up ? kBearishSignal : kNoPattern;
}

}  // namespace prynox
