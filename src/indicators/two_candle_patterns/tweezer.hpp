#pragma once
// Tweezer: two lows (bottom, +1, tested first) or two highs (top, -1) equal up to the tolerance
// times the larger of their magnitudes.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct TweezerRule {
    double tolerance = 0.001;  // of the larger magnitude

    double test(CandleRow<2> c) const;
};

using Tweezer = CandlePattern<TweezerRule, 2>;

}  // namespace prynox
