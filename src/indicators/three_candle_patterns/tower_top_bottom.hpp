#pragma once
// Tower top and bottom: two long outer candles of opposite colours (bodies at least half their
// ranges) around a small middle one (body at most 0.3 of its range, or no range at all): +1 black
// then white (bottom), -1 white then black (top). The shares are quotients of body by range, taken
// once the range is known positive, so ties fall where the quotient rounds.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct TowerTopBottomRule {
    static double test(CandleRow<3> c);
};

using TowerTopBottom = CandlePattern<TowerTopBottomRule, 3>;

}  // namespace prynox
