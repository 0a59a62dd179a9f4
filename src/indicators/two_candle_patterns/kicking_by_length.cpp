#include "indicators/two_candle_patterns/kicking_by_length.hpp"

#include <cmath>

#include "indicators/cores/candle_shape.hpp"
#include "indicators/two_candle_patterns/kicking.hpp"

namespace prynox {

double KickingByLengthRule::test(CandleRow<2> c) {
    const Candle& p = c[0];
    const Candle& k = c[1];
    if (!kicking_pair(p, k)) return kNoPattern;
    const double b = candle_body(k), pb = candle_body(p);
    if ((b > 0.0) & (pb < 0.0)) {
        if (!(k.low > p.high)) return kNoPattern;
        return std::fabs(b) > std::fabs(pb) ? kBullishSignal : kBearishSignal;
    }
    if ((pb > 0.0) & (b < 0.0) & (k.high < p.low)) return std::fabs(pb) >= std::fabs(b) ? kBullishSignal : kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
