#pragma once
// DojiStar: a doji (body at most 0.1 of its range) after a long candle (body at least half its
// range), beyond the previous close: +1 wholly below a black candle's close, -1 wholly above a
// white candle's close.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct DojiStarRule {
    static double test(CandleRow<2> c);
};

using DojiStar = CandlePattern<DojiStarRule, 2>;

}  // namespace prynox
