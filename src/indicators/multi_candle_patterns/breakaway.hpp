#pragma once
// Breakaway: a gap from the first close to the second open, two more candles running on in the
// gap's direction, then a fifth candle of the first's opposite colour closing back inside the gap:
// +1 after a black first candle and a falling run, -1 after a white one and a rising run. The third
// candle's colour is not read.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct BreakawayRule {
    static double test(CandleRow<5> c);
};

using Breakaway = CandlePattern<BreakawayRule, 5>;

}  // namespace prynox
