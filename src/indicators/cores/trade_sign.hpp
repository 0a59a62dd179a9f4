#pragma once
// The sign of a trade print: a sell is -1, every other print a buy, +1; the signed size is the
// sign times the size (so a sell of size 0 is -0.0). Shared by the trade-print and the
// trade-and-quote types.
#include "core/model/market.hpp"

namespace prynox {

inline double trade_sign(const TradePrint& t) { return t.side == Side::Sell ? -1.0 : 1.0; }
inline double signed_size(const TradePrint& t) { return trade_sign(t) * t.size; }

}  // namespace prynox
