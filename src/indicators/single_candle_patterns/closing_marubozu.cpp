#include "indicators/single_candle_patterns/closing_marubozu.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double ClosingMarubozuRule::test(CandleRow<1> c) {
    const Candle& k = c[0];
    const double r = candle_range(k);
    if (!(r > 0.0)) return kNoPattern;
    if (body_size(k) < r * 0.7) return kNoPattern;
    const double b = candle_body(k);
    if (k.high - k.close <= r * 0.05 && b > 0.0) return kBullishSignal;
    if (b < 0.0 && k.close - k.low <= r * 0.05) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
