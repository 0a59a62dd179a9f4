#pragma once
// Doji: a body of at most the threshold's share of the range (0.1); a flat bar is no doji.
// Reported as +1.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct DojiRule {
    double threshold = 0.1;  // of the range

    double test(CandleRow<1> c) const;
};

using Doji = CandlePattern<DojiRule, 1>;

}  // namespace prynox
