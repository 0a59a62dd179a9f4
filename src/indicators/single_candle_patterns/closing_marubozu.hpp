#pragma once
// Closing marubozu: a body of at least 70 % of the range that closes on (within 5 % of the
// range of) its end of the bar: +1 rising to the high, -1 falling to the low.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct ClosingMarubozuRule {
    static double test(CandleRow<1> c);
};

using ClosingMarubozu = CandlePattern<ClosingMarubozuRule, 1>;

}  // namespace prynox
