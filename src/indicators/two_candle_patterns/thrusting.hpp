#pragma once
// Thrusting: after a long black candle, a white one opening below its low that closes into the
// black body above a tenth of it but below its middle. Bearish only (-1).
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct ThrustingRule {
    static double test(CandleRow<2> c);
};

using Thrusting = CandlePattern<ThrustingRule, 2>;

}  // namespace prynox
