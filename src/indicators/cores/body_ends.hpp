#pragma once
// The two ends of a candle's body, which the patterns over several candles compare for gaps,
// insides and overlaps: the top is the larger of open and close, the bottom the smaller.
#include <algorithm>

#include "core/model/market.hpp"

namespace prynox {

inline double body_top(const Candle& c) { return std::max(c.open, c.close); }
inline double body_bottom(const Candle& c) { return std::min(c.open, c.close); }

}  // namespace prynox
