#pragma once
// Market data of one run, as read from the "data" member of a "run" command.
#include <cstdint>
#include <optional>
#include <vector>

namespace prynox {

struct Candle {
    std::int64_t time = 0;
    double open = 0.0;
    double high = 0.0;
    double low = 0.0;
    double close = 0.0;
    double volume = 0.0;
};

struct Level {
    double price = 0.0;
    double size = 0.0;
};

struct OrderBook {
    std::vector<Level> bids;
    std::vector<Level> asks;
};

enum class Side : std::uint8_t { Buy = 0, Sell = 1 };

struct TradePrint {
    double price = 0.0;
    double size = 0.0;
    Side side = Side::Buy;
    std::int64_t timestamp = 0;
};

struct DerivativesTick {
    double funding_rate = 0.0;
    double mark_price = 0.0;
    double index_price = 0.0;
    double futures_price = 0.0;
    double open_interest = 0.0;
    double long_size = 0.0;
    double short_size = 0.0;
    double taker_buy_volume = 0.0;
    double taker_sell_volume = 0.0;
    double long_liquidation = 0.0;
    double short_liquidation = 0.0;
    std::int64_t timestamp = 0;
};

struct RunData {
    std::vector<Candle> candles;
    double capital = 100000.0;
    std::optional<std::vector<OrderBook>> books;
    std::optional<std::vector<Candle>> reference;
    std::optional<std::vector<DerivativesTick>> derivs;
    std::optional<std::vector<std::vector<TradePrint>>> trades;
};

}  // namespace prynox
