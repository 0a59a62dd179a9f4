#pragma once
// HikkakeModified over four candles: two nested inside bars, the first of them closing in the
// lowest fifth of its range before a break downward (+1), or in the top fifth before a break
// upward (-1).
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct HikkakeModifiedRule {
    static double test(CandleRow<4> c);
};

using HikkakeModified = CandlePattern<HikkakeModifiedRule, 4>;

}  // namespace prynox
