#pragma once
// Market data of one run, as read from the "data" member of a "run" command.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
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

// One bar's book, best level first on each side: a view into the run's `OrderBooks`.
struct OrderBook {
    std::span<const Level> bids;
    std::span<const Level> asks;
};

// The books of a run. Every level of every bar sits in one pool, bar after bar, each bar's
// bids before its asks; `ends` holds, per bar, where its bids end and where its asks end. A
// bar costs two offsets besides its levels, and a run of many small books no heap block each.
struct OrderBooks {
    std::vector<Level> levels;
    std::vector<std::uint64_t> ends;  // 2 per bar; bar i starts where bar i - 1's asks end

    std::size_t size() const { return ends.size() / 2; }

    OrderBook operator[](std::size_t bar) const {
        const std::size_t start = bar == 0 ? 0 : static_cast<std::size_t>(ends[2 * bar - 1]);
        const std::size_t mid = static_cast<std::size_t>(ends[2 * bar]);
        const std::size_t end = static_cast<std::size_t>(ends[2 * bar + 1]);
        const Level* p = levels.data();
        return {{p + start, p + mid}, {p + mid, p + end}};
    }

    // Closes the bar whose levels, bids then asks, end the pool.
    void close_bar(std::size_t bids) {
        const std::size_t start = ends.empty() ? 0 : static_cast<std::size_t>(ends.back());
        ends.push_back(start + bids);
        ends.push_back(levels.size());
    }

    void push_back(std::span<const Level> bids, std::span<const Level> asks) {
        levels.insert(levels.end(), bids.begin(), bids.end());
        levels.insert(levels.end(), asks.begin(), asks.end());
        close_bar(bids.size());
    }
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
    std::optional<OrderBooks> books;
    std::optional<std::vector<Candle>> reference;
    std::optional<std::vector<DerivativesTick>> derivs;
    std::optional<std::vector<std::vector<TradePrint>>> trades;
};

}  // namespace prynox
