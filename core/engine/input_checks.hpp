#pragma once
// Content checks of a bar's derivatives tick, order book and trade prints. A failing item is
// left out of that bar only; the error just names the first broken rule.
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

inline constexpr const char* kTickFundingNotFinite = "funding_rate must be finite";
inline constexpr const char* kTickPricesNotPositive =
    "mark_price, index_price and futures_price must be finite and positive";
inline constexpr const char* kTickAmountsNegative =
    "open interest, sizes, volumes and liquidations must be finite and non-negative";

inline constexpr const char* kBookLevelPrice = "level price must be finite and positive";
inline constexpr const char* kBookLevelSize = "level size must be finite and non-negative";
inline constexpr const char* kBookOneSided = "order book must have at least one bid and one ask";
inline constexpr const char* kBookBidsOrder = "bids must be strictly descending in price";
inline constexpr const char* kBookAsksOrder = "asks must be strictly ascending in price";
inline constexpr const char* kBookCrossed = "order book must be uncrossed (best_bid < best_ask)";

inline constexpr const char* kTradePrice = "trade price must be finite and positive";
inline constexpr const char* kTradeSize = "trade size must be finite and non-negative";

// x is neither NaN nor infinite and x > 0.
inline bool finite_positive(double x) { return x > 0.0 && x <= 1.7976931348623157e308; }
// x is neither NaN nor infinite and x >= 0 (-0 passes).
inline bool finite_non_negative(double x) { return x >= 0.0 && x <= 1.7976931348623157e308; }

std::expected<void, IndicatorError> validate_derivatives_tick(const DerivativesTick& tick);
std::expected<void, IndicatorError> validate_book_levels(std::span<const Level> side);
std::expected<void, IndicatorError> validate_order_book(const OrderBook& book);
std::expected<void, IndicatorError> validate_trade_print(const TradePrint& print);

inline bool tick_passes(const DerivativesTick& t) { return validate_derivatives_tick(t).has_value(); }
inline bool print_passes(const TradePrint& p) { return finite_positive(p.price) && finite_non_negative(p.size); }

}  // namespace prynox
