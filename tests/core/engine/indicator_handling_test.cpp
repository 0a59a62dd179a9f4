#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/engine/input_checks.hpp"
#include "engine_test_support.hpp"

namespace prynox {
namespace {

using namespace prynox::test;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(EngineIndicators, BarContextCarriesOnlyCheckedInputs) {
    auto log = std::make_shared<ScriptedIndicator::Log>();
    ScriptedSource src;
    src.add("Probe", {.script = {{std::nullopt, {{"o", 1}}}, {1.0, {{"o", 2}}}}, .log = log});
    ImpactSpec spec = base_spec();
    spec.strategy.indicators["p"] = indicator("Probe");
    spec.strategy.entry = gt(ref("p.o"), num(5));
    RunData d = data_of(flat({10, 11, 12}));
    d.reference = bars({{50, 51, 49, 50.5}, {51, 52, 50, 51.5}, {52, 53, 51, 52.5}});
    d.derivs = std::vector<DerivativesTick>(3, {.mark_price = 100, .index_price = 100, .futures_price = 100});
    (*d.derivs)[1].open_interest = -1;                                                         // rejected
    d.books = books_of({deep_book(9, 11), deep_book(11, 11), deep_book(11, 13)});  // bar 1 crossed
    d.trades = std::vector<std::vector<TradePrint>>{{{10, 1, {}, 1}, {0, 1, {}, 2}, {11, 0, {}, 3}}, {},
                                                    {{12, 2, {}, 4}}};
    run_ok(spec, d, src);
    ASSERT_EQ(log->contexts.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        const BarContext& c = log->contexts[k];
        EXPECT_EQ(c.candle, &d.candles[k]);
        EXPECT_EQ(c.reference, 50.5 + static_cast<double>(k));  // the reference close
        EXPECT_EQ(c.deriv, k == 1 ? nullptr : &(*d.derivs)[k]);
        ASSERT_EQ(log->books[k].has_value(), k != 1);
        if (k != 1) {  // a view of the bar's own levels in the run's pool
            const OrderBook want = (*d.books)[k];
            EXPECT_EQ(log->books[k]->bids.data(), want.bids.data());
            EXPECT_EQ(log->books[k]->asks.data(), want.asks.data());
            EXPECT_EQ(std::make_pair(log->books[k]->bids.size(), log->books[k]->asks.size()), std::make_pair(1uz, 1uz));
        }
    }
    // The zero-priced print is left out, the others keep their order.
    std::vector<std::vector<std::int64_t>> stamps(3);
    for (std::size_t k = 0; k < 3; ++k) {
        for (const TradePrint& t : log->trades[k]) stamps[k].push_back(t.timestamp);
    }
    EXPECT_EQ(stamps, (std::vector<std::vector<std::int64_t>>{{1, 3}, {}, {4}}));

    // Without the optional series the context has none of them.
    log->contexts.clear();
    run_ok(spec, data_of(flat({1, 2})), src);
    ASSERT_EQ(log->contexts.size(), 2u);
    for (const BarContext& c : log->contexts) {
        EXPECT_FALSE(c.reference.has_value());
        EXPECT_EQ(c.deriv, nullptr);
        EXPECT_EQ(c.book, nullptr);
        EXPECT_TRUE(c.trades.empty());
    }
}

// Rules that look 4 bars back keep only a short ring of rows (8); values and gaps far into a
// long run must still be read from the right bar, whether the reach comes from prev, rising or
// a cross. x is the bar number, missing on every ninth bar.
TEST(EngineIndicators, LookBackAcrossALongRun) {
    const std::size_t n = 300;
    ScriptedSource::Type x;
    for (std::size_t k = 0; k < n; ++k) x.script.push_back({k % 9 == 0 ? std::nullopt : std::optional(double(k))});
    ScriptedSource src;
    src.add("X", x);
    Condition (*const rules[])() = {[] { return eq(sub(ref("x"), prev(ref("x"), 4)), num(4)); },
                                    [] { return rising(ref("x"), 4); },
                                    [] { return cross_above(ref("x"), add(prev(ref("x"), 3), num(2.5))); }};
    for (std::size_t rule = 0; rule < std::size(rules); ++rule) {
        ImpactSpec spec = base_spec();
        spec.strategy.indicators["x"] = indicator("X");
        spec.strategy.entry = rules[rule]();
        spec.strategy.exit = not_(rules[rule]());
        spec.strategy.execution.fill_timing = FillTiming::Close;
        // Open after bar k exactly when the rule held on bar k.
        std::string held(n, '0'), want(n, '0');
        const RunResult r = run_ok(spec, deep_data(flat(std::vector<double>(n, 100.0))), src);
        for (const TradeRecord& t : r.report.trades) {
            for (auto k = t.entry_time / 60000; k < t.exit_time / 60000 + (t.reason == "end"); ++k) held[k] = '1';
        }
        // The first two hold where x and x 4 bars back are present; x - x[3 back] is 3, and one
        // bar earlier it was 3 too, so the cross never happens.
        for (std::size_t k = 4; rule < 2 && k < n; ++k) want[k] = "01"[k % 9 != 0 && (k - 4) % 9 != 0];
        EXPECT_EQ(held, want) << rule;
    }
}

template <class T>
std::string verdict(const std::expected<void, T>& r) {
    return r ? "ok" : r.error().display();
}

const DerivativesTick kGoodTick{.funding_rate = -0.001, .mark_price = 100, .index_price = 100, .futures_price = 101};

// The first rule an item breaks names the message.
TEST(EngineInputChecks, TicksBooksAndPrints) {
    const std::string prices =
        "invalid derivatives tick: mark_price, index_price and futures_price must be finite and positive";
    const std::string amounts =
        "invalid derivatives tick: open interest, sizes, volumes and liquidations must be finite and non-negative";
    const struct {
        void (*mutate)(DerivativesTick&);
        std::string expected;
    } cases[] = {
        {[](DerivativesTick&) {}, "ok"},
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
    for (const auto& c : cases) {
        DerivativesTick t = kGoodTick;
        c.mutate(t);
        EXPECT_EQ(verdict(validate_derivatives_tick(t)), c.expected);
    }
    const std::string p = "invalid order book: ";
    const struct {
        OwnedBook b;
        std::string expected;
    } books[] = {
        {OwnedBook{{{99.99, 1}}, {{100, 1}}}, "ok"},
        {OwnedBook{{{100, 1}}, {{100, 1}}}, p + "order book must be uncrossed (best_bid < best_ask)"},
        {OwnedBook{{{101, 1}}, {{100, 1}}}, p + "order book must be uncrossed (best_bid < best_ask)"},
        {OwnedBook{{{99, 0}}, {{100, 1}}}, "ok"},
        {OwnedBook{{{99, -1}}, {{100, 1}}}, p + "level size must be finite and non-negative"},
        {OwnedBook{{{100, 1}, {100, 1}}, {{101, 1}}}, p + "bids must be strictly descending in price"},
        {OwnedBook{{{100, 1}, {101, 1}}, {{102, 1}}}, p + "bids must be strictly descending in price"},
        {OwnedBook{{{99, 1}}, {{100, 1}, {100, 1}}}, p + "asks must be strictly ascending in price"},
        {OwnedBook{{{99, 1}}, {}}, p + "order book must have at least one bid and one ask"},
        {OwnedBook{{}, {}}, p + "order book must have at least one bid and one ask"},
        {OwnedBook{{{0, 1}}, {{100, 1}}}, p + "level price must be finite and positive"},
        {OwnedBook{{{kNaN, 1}}, {{100, 1}}}, p + "level price must be finite and positive"},
        {OwnedBook{{{99, kInf}}, {{100, 1}}}, p + "level size must be finite and non-negative"},
        // Levels are checked before the sides' presence and order: bids, then asks.
        {OwnedBook{{}, {{100, -1}}}, p + "level size must be finite and non-negative"},
        {OwnedBook{{{99, 1}, {100, 1}}, {{-1, 1}}}, p + "level price must be finite and positive"},
        // Bid order is checked before ask order, both before crossing.
        {OwnedBook{{{99, 1}, {99, 1}}, {{98, 1}, {97, 1}}}, p + "bids must be strictly descending in price"},
        {OwnedBook{{{99, 1}}, {{98, 1}, {97, 1}}}, p + "asks must be strictly ascending in price"},
    };
    for (const auto& c : books) EXPECT_EQ(verdict(validate_order_book(c.b)), c.expected);
    const struct {
        TradePrint t;
        std::string expected;
    } prints[] = {
        {{10, 1, Side::Buy, 0}, "ok"},
        {{10, 0, Side::Sell, -5}, "ok"},
        {{10, -0.0, Side::Sell, 0}, "ok"},
        {{0, 1, Side::Buy, 0}, "invalid trade: trade price must be finite and positive"},
        {{kInf, 1, Side::Buy, 0}, "invalid trade: trade price must be finite and positive"},
        {{10, -1, Side::Buy, 0}, "invalid trade: trade size must be finite and non-negative"},
        {{10, kNaN, Side::Buy, 0}, "invalid trade: trade size must be finite and non-negative"},
        {{-1, -1, Side::Buy, 0}, "invalid trade: trade price must be finite and positive"},
    };
    for (const auto& c : prints) {
        EXPECT_EQ(verdict(validate_trade_print(c.t)), c.expected);
        EXPECT_EQ(print_passes(c.t), c.expected == "ok");
    }
}

}  // namespace
}  // namespace prynox
