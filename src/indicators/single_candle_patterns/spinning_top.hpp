#pragma once
// Spinning top: a small body (at most the threshold's share of the range, 0.3) with both
// shadows at least twice the body; signed by the body.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct SpinningTopRule {
    double threshold = 0.3;  // of the range

    double test(CandleRow<1> c) const;
};

using SpinningTop = CandlePattern<SpinningTopRule, 1>;

}  // namespace prynox
