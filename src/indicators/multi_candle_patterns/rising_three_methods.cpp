#include "indicators/multi_candle_patterns/rising_three_methods.hpp"

#include "indicators/cores/body_ends.hpp"
#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double RisingThreeMethodsRule::test(CandleRow<5> c) {
    const Candle& k1 = c[0];
    const double r1 = candle_range(k1), b1 = candle_body(k1);
    if (!(r1 > 0.0) || b1 < 0.5 * r1) return kNoPattern;
    const double half1 = 0.5 * b1;
    bool small = true;
    for (std::size_t n = 1; n <= 3; ++n) {
        const Candle& k = c[n];
        const double fall = k.open - k.close;
        small = small & (body_top(k) > k1.low) & (body_bottom(k) < k1.high) & (fall > 0.0) & (fall <= half1);
    }
    const Candle &k2 = c[1], &k3 = c[2], &k4 = c[3], &k5 = c[4];
    if (!small || k3.close >= k2.close || k4.close >= k3.close) return kNoPattern;
    const double b5 = candle_body(k5);
    if (b5 <= 0.0) return kNoPattern;
    return (b5 >= 0.5 * candle_range(k5)) & (k5.close > k1.close) & (k5.open > k4.close) ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
