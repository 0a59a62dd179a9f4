#pragma once
// HaramiCross: a doji (a range, body at most 0.1 of it) whose open and close lie within the
// previous body, bounds included, after a candle that is no doji. The sign follows the previous
// candle only: +1 after a black one, -1 otherwise, so a flat previous candle (no range, hence no
// doji) with a doji at its price is read as -1.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct HaramiCrossRule {
    static double test(CandleRow<2> c);
};

using HaramiCross = CandlePattern<HaramiCrossRule, 2>;

}  // namespace prynox
