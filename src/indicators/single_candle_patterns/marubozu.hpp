#pragma once
// Marubozu: a body with both shadows at most the threshold's share of the range (0.05); signed
// by the body.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct MarubozuRule {
    double threshold = 0.05;  // of the range

    double test(CandleRow<1> c) const;
};

using Marubozu = CandlePattern<MarubozuRule, 1>;

}  // namespace prynox
