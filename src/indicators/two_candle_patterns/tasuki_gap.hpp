#pragma once
// TasukiGap over three candles: two candles of one colour with a gap between their bodies, then
// one of the other colour opening inside the second body and closing inside the gap without
// closing it. +1 upside (white, white, black), -1 downside (black, black, white); the first
// candle's colour picks the side, so a first candle without body gives 0. Every bound is strict.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct TasukiGapRule {
    static double test(CandleRow<3> c);
};

using TasukiGap = CandlePattern<TasukiGapRule, 3>;

}  // namespace prynox
