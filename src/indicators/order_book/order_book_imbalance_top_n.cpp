#include "indicators/order_book/order_book_imbalance_top_n.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/order_book/depth_imbalance.hpp"

namespace prynox {

std::expected<OrderBookImbalanceTopN, IndicatorError> OrderBookImbalanceTopN::create(std::uint64_t levels) {
    if (auto e = check_window(levels)) return std::unexpected(*e);
    return OrderBookImbalanceTopN(levels);
}

OptionalValue OrderBookImbalanceTopN::update_book(const OrderBook& book) const {
    return depth_imbalance(depth(book.bids, levels_), depth(book.asks, levels_));
}

}  // namespace prynox
