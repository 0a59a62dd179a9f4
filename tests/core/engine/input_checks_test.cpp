#include "core/engine/input_checks.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "engine_test_support.hpp"

namespace prynox {
namespace {

using namespace prynox::test;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

template <class T>
std::string verdict(const std::expected<void, T>& r) {
    return r ? "ok" : r.error().display();
}

DerivativesTick good_tick() {
    DerivativesTick t;
    t.funding_rate = -0.001;
    t.mark_price = 100;
    t.index_price = 100;
    t.futures_price = 101;
    return t;
}

TEST(EngineInputChecks, DerivativesTick) {
    EXPECT_EQ(verdict(validate_derivatives_tick(good_tick())), "ok");
    const std::string prices =
        "invalid derivatives tick: mark_price, index_price and futures_price must be finite and positive";
    const std::string amounts =
        "invalid derivatives tick: open interest, sizes, volumes and liquidations must be finite and non-negative";
    struct Case {
        void (*mutate)(DerivativesTick&);
        std::string expected;
    };
    const Case cases[] = {
        {[](DerivativesTick& t) { t.funding_rate = kNaN; }, "invalid derivatives tick: funding_rate must be finite"},
        {[](DerivativesTick& t) { t.funding_rate = -kInf; }, "invalid derivatives tick: funding_rate must be finite"},
        {[](DerivativesTick& t) { t.mark_price = 0; }, prices},
        {[](DerivativesTick& t) { t.index_price = -0.0; }, prices},
        {[](DerivativesTick& t) { t.futures_price = kInf; }, prices},
        {[](DerivativesTick& t) { t.mark_price = 4.9e-324; }, "ok"},
        {[](DerivativesTick& t) { t.open_interest = 0; }, "ok"},
        {[](DerivativesTick& t) { t.long_size = -0.0; }, "ok"},
        {[](DerivativesTick& t) { t.short_size = -1e-300; }, amounts},
        {[](DerivativesTick& t) { t.taker_buy_volume = kNaN; }, amounts},
        {[](DerivativesTick& t) { t.taker_sell_volume = kInf; }, amounts},
        {[](DerivativesTick& t) { t.long_liquidation = -1; }, amounts},
        {[](DerivativesTick& t) { t.short_liquidation = -1; }, amounts},
        {[](DerivativesTick& t) { t.timestamp = -99; }, "ok"},
        // The first broken rule decides.
        {[](DerivativesTick& t) { t.open_interest = -1; t.mark_price = 0; t.funding_rate = kNaN; },
         "invalid derivatives tick: funding_rate must be finite"},
        {[](DerivativesTick& t) { t.open_interest = -1; t.futures_price = 0; }, prices},
    };
    for (const Case& c : cases) {
        DerivativesTick t = good_tick();
        c.mutate(t);
        EXPECT_EQ(verdict(validate_derivatives_tick(t)), c.expected);
    }
}

TEST(EngineInputChecks, OrderBook) {
    const std::string p = "invalid order book: ";
    struct Case {
        OrderBook b;
        std::string expected;
    };
    const Case cases[] = {
        {book({{99.99, 1}}, {{100, 1}}), "ok"},
        {book({{100, 1}}, {{100, 1}}), p + "order book must be uncrossed (best_bid < best_ask)"},
        {book({{101, 1}}, {{100, 1}}), p + "order book must be uncrossed (best_bid < best_ask)"},
        {book({{99, 0}}, {{100, 1}}), "ok"},
        {book({{99, -1}}, {{100, 1}}), p + "level size must be finite and non-negative"},
        {book({{100, 1}, {100, 1}}, {{101, 1}}), p + "bids must be strictly descending in price"},
        {book({{100, 1}, {101, 1}}, {{102, 1}}), p + "bids must be strictly descending in price"},
        {book({{99, 1}}, {{100, 1}, {100, 1}}), p + "asks must be strictly ascending in price"},
        {book({{99, 1}}, {}), p + "order book must have at least one bid and one ask"},
        {book({}, {}), p + "order book must have at least one bid and one ask"},
        {book({{0, 1}}, {{100, 1}}), p + "level price must be finite and positive"},
        {book({{kNaN, 1}}, {{100, 1}}), p + "level price must be finite and positive"},
        {book({{99, kInf}}, {{100, 1}}), p + "level size must be finite and non-negative"},
        // Levels are checked before the sides' presence and order: bids, then asks.
        {book({}, {{100, -1}}), p + "level size must be finite and non-negative"},
        {book({{99, 1}, {100, 1}}, {{-1, 1}}), p + "level price must be finite and positive"},
        // Bid order is checked before ask order, both before crossing.
        {book({{99, 1}, {99, 1}}, {{98, 1}, {97, 1}}), p + "bids must be strictly descending in price"},
        {book({{99, 1}}, {{98, 1}, {97, 1}}), p + "asks must be strictly ascending in price"},
    };
    for (const Case& c : cases) EXPECT_EQ(verdict(validate_order_book(c.b)), c.expected);
}

TEST(EngineInputChecks, TradePrint) {
    struct Case {
        TradePrint t;
        std::string expected;
    };
    const Case cases[] = {
        {{10, 1, Side::Buy, 0}, "ok"},
        {{10, 0, Side::Sell, -5}, "ok"},
        {{10, -0.0, Side::Sell, 0}, "ok"},
        {{0, 1, Side::Buy, 0}, "invalid trade: trade price must be finite and positive"},
        {{kInf, 1, Side::Buy, 0}, "invalid trade: trade price must be finite and positive"},
        {{10, -1, Side::Buy, 0}, "invalid trade: trade size must be finite and non-negative"},
        {{10, kNaN, Side::Buy, 0}, "invalid trade: trade size must be finite and non-negative"},
        {{-1, -1, Side::Buy, 0}, "invalid trade: trade price must be finite and positive"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(verdict(validate_trade_print(c.t)), c.expected);
        EXPECT_EQ(print_passes(c.t), c.expected == "ok");
    }
}

}  // namespace
}  // namespace prynox
