#include "indicators/order_book/order_book_imbalance_full.hpp"

#include "indicators/cores/saturating.hpp"
#include "indicators/order_book/depth_imbalance.hpp"

namespace prynox {

OptionalValue OrderBookImbalanceFull::update_book(const OrderBook& book) const {
    return depth_imbalance(depth(book.bids, kCountMax), depth(book.asks, kCountMax));
}

}  // namespace prynox
