#include "indicators/two_candle_patterns/hikkake.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double HikkakeRule::test(CandleRow<3> c) {
    const Candle& a = c[0];
    const Candle& m = c[1];
    const Candle& k = c[2];
    if (!((m.high < a.high) & (m.low > a.low))) return kNoPattern;
    if ((k.high < m.high) & (k.low < m.low)) return kBullishSignal;
    if ((k.low > m.low) & (k.high > m.high)) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
