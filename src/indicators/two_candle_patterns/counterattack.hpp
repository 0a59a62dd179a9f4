#pragma once
// Counterattack: two candles of opposite colours, each with a body of at least half its range,
// closing at about the same price: within the tolerance's half of the two ranges together.
// +1 white after black, -1 black after white.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct CounterattackRule {
    double tolerance = 0.05;

    double test(CandleRow<2> c) const;
};

using Counterattack = CandlePattern<CounterattackRule, 2>;

}  // namespace prynox
