#include "indicators/single_candle_patterns/spinning_top.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double SpinningTopRule::test(CandleRow<1> c) const {
    const Candle& k = c[0];
    const double r = candle_range(k), b = candle_body(k), size = body_size(k), twice = size + size;
    const bool shape = (r > 0.0) & (b != 0.0) & (size <= threshold * r) & (upper_shadow(k) >= twice) &
                       (lower_shadow(k) >= twice);
    if (!shape) return kNoPattern;
    return b > 0.0 ? kBullishSignal : kBearishSignal;
}

}  // namespace prynox
