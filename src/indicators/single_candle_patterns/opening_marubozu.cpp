#include "indicators/single_candle_patterns/opening_marubozu.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double OpeningMarubozuRule::test(CandleRow<1> c) {
    const Candle& k = c[0];
    const double r = candle_range(k);
    if (!(r > 0.0)) return kNoPattern;
    if (body_size(k) < r * 0.7) return kNoPattern;
    const double b = candle_body(k);
    if (b > 0.0 && k.open - k.low <= r * 0.05) return kBullishSignal;
    if (b < 0.0 && k.high - k.open <= r * 0.05) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
