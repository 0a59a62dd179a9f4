#pragma once
// Hammer: a body at the top of the bar, a lower shadow at least twice the body and an upper
// shadow no longer than the body. Bullish; the trend before it is not read (HangingMan is the same
// shape, bearish).
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

// The shape Hammer and HangingMan share: a range, a body, w >= 2|b| and u <= |b|.
bool hammer_shape(const Candle& c);

struct HammerRule {
    static double test(CandleRow<1> c);
};

using Hammer = CandlePattern<HammerRule, 1>;

}  // namespace prynox
