#include "indicators/single_candle_patterns/gravestone_doji.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double GravestoneDojiRule::test(CandleRow<1> c) {
    const Candle& k = c[0];
    const double r = candle_range(k);
    const bool shape =
        (r > 0.0) & (body_size(k) <= r * 0.1) & (upper_shadow(k) >= r * 0.5) & (lower_shadow(k) <= r * 0.1);
    return shape ? kBearishSignal : kNoPattern;
}

}  // namespace prynox
