#include "indicators/order_book/microprice.hpp"

#include <cmath>

#include "indicators/cores/midpoint.hpp"

namespace prynox {

OptionalValue Microprice::update_book(const OrderBook& book) const {
    if (book.bids.empty() || book.asks.empty()) return 0.0;
    const Level& bid = book.bids.front();
    const Level& ask = book.asks.front();
    const double total = bid.size + ask.size;
    if (!std::isfinite(total)) [[unlikely]]
        return {};
    if (!(total > 0.0)) return midpoint(bid.price, ask.price);
    const double v = (bid.price * ask.size + ask.price * bid.size) / total;
    if (!std::isfinite(v)) [[unlikely]]
        return {};
    return v;
}

}  // namespace prynox
