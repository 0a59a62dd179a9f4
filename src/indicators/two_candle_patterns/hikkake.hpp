#pragma once
// Hikkake over three candles: an inside bar (high and low strictly within the first candle's),
// then a candle breaking out of it: +1 downward (the false break of the setup), -1 upward.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct HikkakeRule {
    static double test(CandleRow<3> c);
};

using Hikkake = CandlePattern<HikkakeRule, 3>;

}  // namespace prynox
