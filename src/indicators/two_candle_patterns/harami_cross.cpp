#include "indicators/two_candle_patterns/harami_cross.hpp"

#include <algorithm>

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double HaramiCrossRule::test(CandleRow<2> c) {
    const Candle& p = c[0];
    const Candle& k = c[1];
    const double lo = std::min(p.open, p.close), hi = std::max(p.open, p.close);
    const bool inside = (k.open >= lo) & (k.open <= hi) & (k.close >= lo) & (k.close <= hi);
    const double r = candle_range(k), pr = candle_range(p);
    const bool doji = (r > 0.0) & (body_size(k) <= 0.1 * r);
    const bool mother = (pr <= 0.0) | (body_size(p) > 0.1 * pr);
    if (!(inside & doji & mother)) return kNoPattern;
    return p.close < p.open ? kBullishSignal : kBearishSignal;
}

}  // namespace prynox
