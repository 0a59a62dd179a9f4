#pragma once
// Long-legged doji: a doji body (at most a tenth of the range) with both shadows at least
// 30 % of the range. Reported as +1.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct LongLeggedDojiRule {
    static double test(CandleRow<1> c);
};

using LongLeggedDoji = CandlePattern<LongLeggedDojiRule, 1>;

}  // namespace prynox
