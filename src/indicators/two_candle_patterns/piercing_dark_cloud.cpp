#include "indicators/two_candle_patterns/piercing_dark_cloud.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double PiercingDarkCloudRule::test(CandleRow<2> c) {
    const Candle& p = c[0];
    const Candle& k = c[1];
    const double b = candle_body(k), pb = candle_body(p);
    const double mid = body_midpoint(p);
    if ((k.open < p.low) & (b > 0.0) & (pb < 0.0) & (k.close < p.open) & (k.close > mid)) return kBullishSignal;
    if ((k.open > p.high) & (b < 0.0) & (pb > 0.0) & (k.close < mid) & (k.close > p.open)) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
