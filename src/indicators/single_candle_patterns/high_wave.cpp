#include "indicators/single_candle_patterns/high_wave.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double HighWaveRule::test(CandleRow<1> c) {
    const Candle& k = c[0];
    const double r = candle_range(k);
    const bool shape = (r > 0.0) & (lower_shadow(k) >= r * 0.4) & (upper_shadow(k) >= r * 0.4);
    return shape ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
