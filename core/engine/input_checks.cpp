#include "core/engine/input_checks.hpp"

#include <cmath>

namespace prynox {
namespace {

std::unexpected<IndicatorError> refuse(IndicatorErrorKind kind, const char* message) {
    return std::unexpected(IndicatorError{kind, message});
}

}  // namespace

std::expected<void, IndicatorError> validate_derivatives_tick(const DerivativesTick& t) {
    constexpr auto kind = IndicatorErrorKind::InvalidDerivativesTick;
    if (!std::isfinite(t.funding_rate)) return refuse(kind, kTickFundingNotFinite);
    if (!finite_positive(t.mark_price) || !finite_positive(t.index_price) || !finite_positive(t.futures_price)) {
        return refuse(kind, kTickPricesNotPositive);
    }
    const double amounts[] = {t.open_interest,    t.long_size,         t.short_size,       t.taker_buy_volume,
                              t.taker_sell_volume, t.long_liquidation, t.short_liquidation};
    for (double a : amounts) {
        if (!finite_non_negative(a)) return refuse(kind, kTickAmountsNegative);
    }
    return {};
}

std::expected<void, IndicatorError> validate_book_levels(std::span<const Level> side) {
    constexpr auto kind = IndicatorErrorKind::InvalidOrderBook;
    for (const Level& l : side) {
        if (!finite_positive(l.price)) return refuse(kind, kBookLevelPrice);
        if (!finite_non_negative(l.size)) return refuse(kind, kBookLevelSize);
    }
    return {};
}

std::expected<void, IndicatorError> validate_order_book(const OrderBook& book) {
    constexpr auto kind = IndicatorErrorKind::InvalidOrderBook;
    if (auto r = validate_book_levels(book.bids); !r) return r;
    if (auto r = validate_book_levels(book.asks); !r) return r;
    if (book.bids.empty() || book.asks.empty()) return refuse(kind, kBookOneSided);
    for (std::size_t k = 1; k < book.bids.size(); ++k) {
        if (!(book.bids[k - 1].price > book.bids[k].price)) return refuse(kind, kBookBidsOrder);
    }
    for (std::size_t k = 1; k < book.asks.size(); ++k) {
        if (!(book.asks[k - 1].price < book.asks[k].price)) return refuse(kind, kBookAsksOrder);
    }
    if (!(book.bids.front().price < book.asks.front().price)) return refuse(kind, kBookCrossed);
    return {};
}

std::expected<void, IndicatorError> validate_trade_print(const TradePrint& p) {
    constexpr auto kind = IndicatorErrorKind::InvalidTrade;
    if (!finite_positive(p.price)) return refuse(kind, kTradePrice);
    if (!finite_non_negative(p.size)) return refuse(kind, kTradeSize);
    return {};
}

}  // namespace prynox
