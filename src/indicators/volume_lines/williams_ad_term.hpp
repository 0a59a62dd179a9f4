#pragma once
// The Williams accumulation/distribution term of a bar against the previous close: the close
// less the true low on an up close, less the true high on a down close, 0 on an unchanged close.
// The volume takes no part in it. Shared by Wad and AdOscillator.
#include <algorithm>

#include "core/model/market.hpp"

namespace prynox {

inline double williams_ad_term(const Candle& c, double previous_close) {
    if (c.close > previous_close) return c.close - std::min(c.low, previous_close);
    if (c.close < previous_close) return c.close - std::max(c.high, previous_close);
    return 0.0;
}

}  // namespace prynox
