#include "indicators/order_book/order_book_imbalance_top1.hpp"

#include "indicators/order_book/depth_imbalance.hpp"

namespace prynox {

OptionalValue OrderBookImbalanceTop1::update_book(const OrderBook& book) const {
    if (book.bids.empty() || book.asks.empty()) return 0.0;
    return depth_imbalance(book.bids.front().size, book.asks.front().size);
}

}  // namespace prynox
