#pragma once
// PiercingDarkCloud: piercing line (+1), a white candle opening below the previous black
// candle's low and closing above the middle of its body but below its open; dark cloud cover
// (-1), the mirror above a white candle.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct PiercingDarkCloudRule {
    static double test(CandleRow<2> c);
};

using PiercingDarkCloud = CandlePattern<PiercingDarkCloudRule, 2>;

}  // namespace prynox
