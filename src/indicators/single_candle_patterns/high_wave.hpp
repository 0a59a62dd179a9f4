#pragma once
// High wave: both shadows at least 40 % of the range, whatever the body. Reported as +1.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct HighWaveRule {
    static double test(CandleRow<1> c);
};

using HighWave = CandlePattern<HighWaveRule, 1>;

}  // namespace prynox
