#pragma once
// The quote mid of the trade-and-quote types: the mid of the best bid and ask when the bar
// carries a book with both sides, else the bar's close. Only a finite, positive mid is usable.
#include <cmath>

#include "indicators/boxed.hpp"
#include "indicators/cores/midpoint.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline OptionalValue quote_mid(const TradeQuote& tq) {
    const double q = tq.book != nullptr && !tq.book->bids.empty() && !tq.book->asks.empty()
                         ? midpoint(tq.book->bids.front().price, tq.book->asks.front().price)
                         : tq.candle.close;
    if (!(std::isfinite(q) && q > 0.0)) return {};
    return q;
}

}  // namespace prynox
