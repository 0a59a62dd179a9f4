#pragma once
// KickingByLength: the kicking pair, signed by the colour of the longer body; on equal bodies the
// previous candle's colour wins.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct KickingByLengthRule {
    static double test(CandleRow<2> c);
};

using KickingByLength = CandlePattern<KickingByLengthRule, 2>;

}  // namespace prynox
