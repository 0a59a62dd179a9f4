#pragma once
// The setup the neck lines and the thrusting line share: a black candle with a range whose body
// is at least half of it, then a white candle opening below its low.
#include "core/model/market.hpp"
#include "indicators/cores/candle_shape.hpp"

namespace prynox {

inline bool neck_setup(const Candle& p, const Candle& k) {
    const double pr = candle_range(p);
    return (pr > 0.0) & (candle_body(p) < 0.0) & (p.open - p.close >= 0.5 * pr) & (candle_body(k) > 0.0) &
           (k.open < p.low);
}

}  // namespace prynox
