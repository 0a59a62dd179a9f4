#include "indicators/order_book/quoted_spread.hpp"

#include <cmath>

#include "indicators/cores/midpoint.hpp"

namespace prynox {

OptionalValue QuotedSpread::update_book(const OrderBook& book) const {
    if (book.bids.empty() || book.asks.empty()) return 0.0;
    const double bid = book.bids.front().price, ask = book.asks.front().price;
    // The engine's checks make the mid positive; a value out of range is still not given.
    const double v = ((ask - bid) / midpoint(bid, ask)) * 10000.0;
    if (!std::isfinite(v)) [[unlikely]]
        return {};
    return v;
}

}  // namespace prynox
