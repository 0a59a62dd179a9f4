#pragma once
// InNeck: after a long black candle, a white one opening below its low that closes at or just
// above the black close: within a tenth of the black body. Bearish only (-1).
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct InNeckRule {
    static double test(CandleRow<2> c);
};

using InNeck = CandlePattern<InNeckRule, 2>;

}  // namespace prynox
