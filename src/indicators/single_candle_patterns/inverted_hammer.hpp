#pragma once
// Inverted hammer: a body at the bottom of the bar, an upper shadow at least twice the body
// and a lower shadow no longer than the body. Bullish (ShootingStar is the same shape, bearish).
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

// The shape InvertedHammer and ShootingStar share: a range, a body, u >= 2|b| and w <= |b|.
bool inverted_hammer_shape(const Candle& c);

struct InvertedHammerRule {
    static double test(CandleRow<1> c);
};

using InvertedHammer = CandlePattern<InvertedHammerRule, 1>;

}  // namespace prynox
