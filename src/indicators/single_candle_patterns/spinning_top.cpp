#include "indicators/single_candle_patterns/spinning_top.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double SpinningTopRule::test(CandleRow<1> c) const {
    const Candle& k = c[0];
    const double r = candle_range(k);
    if (!(r > 0.0)) return kNoPattern;
    const double b = candle_body(k);
    if (b == 0.0) return kNoPattern;
    const double size = body_size(k);
    if (!(size <= threshold * r)) return kNoPattern;
    const double twice = size + size;
    if (!(upper_shadow(k) >= twice && lower_shadow(k) >= twice)) return kNoPattern;
    return b > 0.0 ? kBullishSignal : kBearishSignal;
}

}  // namespace prynox
