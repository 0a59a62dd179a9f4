#include "indicators/two_candle_patterns/hikkake_modified.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double HikkakeModifiedRule::test(CandleRow<4> c) {
    const Candle& a = c[0];
    const Candle& m = c[1];
    const Candle& n = c[2];
    const Candle& k = c[3];
    if (!((m.high < a.high) & (m.low > a.low) & (n.high < m.high) & (n.low > m.low))) return kNoPattern;
    const double mr = m.high - m.low;
    if ((m.close <= m.low + 0.2 * mr) & (k.high < n.high) & (k.low < n.low)) return kBullishSignal;
    if ((k.low > n.low) & (k.high > n.high) & (m.close >= m.high - 0.2 * mr)) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
