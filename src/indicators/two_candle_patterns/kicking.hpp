#pragma once
// Kicking: two near-marubozu candles (bodies of at least 95 % of their ranges) of opposite
// colours with a gap between their ranges: +1 black then white gapping up, -1 white then black
// gapping down.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

// Both candles have a range and a body of at least 0.95 of it (Kicking and KickingByLength).
bool kicking_pair(const Candle& previous, const Candle& current);

struct KickingRule {
    static double test(CandleRow<2> c);
};

using Kicking = CandlePattern<KickingRule, 2>;

}  // namespace prynox
