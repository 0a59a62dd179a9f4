#pragma once
// SeparatingLines: the current candle opens where the previous one opened (within 0.05 of the
// previous range), with a body of at least half its range on the other colour and no shadow to
// speak of on its opening side: +1 white after black, -1 black after white.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct SeparatingLinesRule {
    static double test(CandleRow<2> c);
};

using SeparatingLines = CandlePattern<SeparatingLinesRule, 2>;

}  // namespace prynox
