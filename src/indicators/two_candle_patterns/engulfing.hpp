#pragma once
// Engulfing: the current body strictly larger than a previous body of the other colour and
// covering it (its ends may meet the previous ends). +1 white over black, -1 black over white; a
// previous candle without body engulfs nothing.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct EngulfingRule {
    static double test(CandleRow<2> c);
};

using Engulfing = CandlePattern<EngulfingRule, 2>;

}  // namespace prynox
