#pragma once
// The typical price of a candle, ((high + low) + close) / 3 in that order. Not finite when
// high + low overflows (a valid candle spanning most of the doubles); callers refuse that bar.
#include "core/model/market.hpp"

namespace prynox {

inline double typical_price(const Candle& c) { return ((c.high + c.low) + c.close) / 3.0; }

}  // namespace prynox
