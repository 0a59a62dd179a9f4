#include "indicators/single_candle_patterns/rickshaw_man.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double RickshawManRule::test(CandleRow<1> c) {
    const Candle& k = c[0];
    const double r = candle_range(k);
    if (!(r > 0.0)) return kNoPattern;
    if (!(body_size(k) <= r * 0.1)) return kNoPattern;
    if (!(upper_shadow(k) >= r * 0.3 && lower_shadow(k) >= r * 0.3)) return kNoPattern;
    // The only division of the family, with r > 0 known.
    const double p = (body_midpoint(k) - k.low) / r;
    return p >= 0.4 && p <= 0.6 ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
