#include "indicators/multi_candle_patterns/falling_three_methods.hpp"

#include "indicators/cores/body_ends.hpp"
#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double FallingThreeMethodsRule::test(CandleRow<5> c) {
    const Candle& k1 = c[0];
    const double r1 = candle_range(k1), fall1 = k1.open - k1.close;
    if (!(r1 > 0.0) || !(fall1 >= 0.5 * r1)) return kNoPattern;
    const double half1 = 0.5 * fall1;
    bool small = true;
    for (std::size_t n = 1; n <= 3; ++n) {
        const Candle& k = c[n];
        const double rise = k.close - k.open;
        small = small & (body_top(k) > k1.low) & (body_bottom(k) < k1.high) & (rise > 0.0) & (rise <= half1);
    }
    const Candle &k2 = c[1], &k3 = c[2], &k4 = c[3], &k5 = c[4];
    if (!(small & (k3.close > k2.close) & (k4.close > k3.close))) return kNoPattern;
    const double fall5 = k5.open - k5.close;
    if (!(fall5 > 0.0)) return kNoPattern;
    return (fall5 >= 0.5 * candle_range(k5)) & (k5.close < k1.close) & (k5.open < k4.close) ? kBearishSignal
                                                                                             : kNoPattern;
}

}  // namespace prynox
