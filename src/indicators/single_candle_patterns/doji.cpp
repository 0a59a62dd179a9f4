#include "indicators/single_candle_patterns/doji.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double DojiRule::test(CandleRow<1> c) const {
    const Candle& k = c[0];
    const double r = candle_range(k);
    if (!(r > 0.0)) return kNoPattern;
    return body_size(k) <= threshold * r ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
