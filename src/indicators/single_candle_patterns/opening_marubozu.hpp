#pragma once
// Opening marubozu: a body of at least 70 % of the range that opens on (within 5 % of the
// range of) its end of the bar: +1 rising from the low, -1 falling from the high.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct OpeningMarubozuRule {
    static double test(CandleRow<1> c);
};

using OpeningMarubozu = CandlePattern<OpeningMarubozuRule, 1>;

}  // namespace prynox
