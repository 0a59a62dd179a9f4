#include "core/engine/book_fill.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>
#include <limits>

#include "core/engine/pending_order.hpp"
#include "engine_test_support.hpp"

namespace prynox {
namespace {

using namespace prynox::test;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(EngineRounding, RoundTo1e8) {
    const std::pair<double, double> cases[] = {
        {1.234567891, 1.23456789},
        {7.5e-9, 1e-8},
        {2.5e-9, 0.0},
        {-1.234567895, -1.2345679},
        {100.0 * (1.0 + 0.1 * std::sqrt(0.2)), 104.47213595},
        {602.0 / 6.0, 100.33333333},
        {1.23456789, 1.23456789},
        {0.0, 0.0},
        {kNaN, 0.0},
        {kInf, 0.0},
        {-kInf, 0.0},
        // Too large for the quotient to stay finite: the value has nothing below 1e-8 anyway.
        {1e301, 1e301},
        {-1.7976931348623157e308, -1.7976931348623157e308},
        {1e300, 1e300},
    };
    for (auto [x, want] : cases) EXPECT_EQ(round_to_1e8(x), want) << x;
    EXPECT_TRUE(std::signbit(round_to_1e8(-1e-12)));
}

// The rounding is std::round(x / 1e-8) / 1e8 for every finite quotient.
TEST(EngineRounding, MatchesRoundHalfAwayFromZero) {
    std::uint64_t state = 12345;
    auto next = [&] {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return state;
    };
    std::vector<double> xs = {0.5e-8, -0.5e-8, 1.5e-8, -2.5e-8, 4503599627370495.5e-8, 4503599627370496.0e-8,
                              -4503599627370497.0e-8, 1e-300, -1e-300, -0.0, 0.49999999999999994e-8};
    for (int k = 0; k < 200000; ++k) {
        const double mantissa = static_cast<double>(next() >> 11) / 9007199254740992.0;
        const int exponent = static_cast<int>(next() % 80) - 40;
        const double x = std::ldexp(mantissa, exponent) * ((next() & 1) ? -1.0 : 1.0);
        xs.push_back(x);
        // Exact halves of the grid.
        const double half = (std::floor(x / 1e-8) + 0.5);
        xs.push_back(half * 1e-8);
        xs.push_back(half / 1e8);
    }
    for (double x : xs) {
        const double want = std::round(x / 1e-8) / 1e8;
        const double got = round_to_1e8(x);
        ASSERT_EQ(std::signbit(got), std::signbit(want)) << x;
        ASSERT_EQ(got, want) << x;
    }
}

OrderBook ladder() { return book({{99, 4}, {98, 4}, {97, 4}}, {{100, 4}, {101, 4}, {102, 4}}); }

TEST(EngineBookFill, WalkAcrossLevels) {
    const OrderBook b = ladder();
    FillResult f = fill_through_book(false, &b, walk(), 10, 100, 1.0);
    EXPECT_EQ(f.filled, 10.0);
    EXPECT_EQ(f.price, 100.8);
    EXPECT_EQ(f.notional, 1008.0);
    EXPECT_EQ(f.unfilled, 0.0);
    // mid (99 + 100) / 2 = 99.5
    EXPECT_EQ(f.slippage_bps, round_to_1e8((10000.0 * (1008.0 / 10.0 - 99.5)) / 99.5));

    f = fill_through_book(false, &b, walk(), 10, 100, 0.5);
    EXPECT_EQ(f.filled, 6.0);
    EXPECT_EQ(f.price, 100.33333333);
    EXPECT_EQ(f.notional, 602.0);
    EXPECT_EQ(f.unfilled, 4.0);

    f = fill_through_book(true, &b, walk(), 5, 100, 1.0);
    EXPECT_EQ(f.filled, 5.0);
    EXPECT_EQ(f.price, (4.0 * 99 + 1.0 * 98) / 5.0);
    EXPECT_EQ(f.notional, 494.0);

    f = fill_through_book(false, &b, walk(1), 10, 100, 1.0);
    EXPECT_EQ(f.filled, 4.0);
    EXPECT_EQ(f.price, 100.0);
    EXPECT_EQ(f.unfilled, 6.0);

    f = fill_through_book(false, &b, walk(0), 10, 100, 1.0);
    EXPECT_EQ(f.filled, 0.0);
    EXPECT_EQ(f.price, 100.0);
    EXPECT_EQ(f.notional, 0.0);
    EXPECT_EQ(f.unfilled, 10.0);
    EXPECT_EQ(f.slippage_bps, 0.0);

    f = fill_through_book(false, &b, walk(99), 100, 100, 1.0);
    EXPECT_EQ(f.filled, 12.0);
    EXPECT_EQ(f.unfilled, 88.0);
}

TEST(EngineBookFill, SlippageAgainstTheMid) {
    // Best bid 99 and best ask 101: mid 100. A buy at 100.8 and a sell at 99.2 both cost 80 bps
    // (79.999999999999716 before rounding).
    const OrderBook b = book({{99, 10}}, {{101, 10}});
    FillResult f = fill_through_book(false, &b, linear_impact(0.016), 5, 100, 1.0);
    EXPECT_EQ(f.price, 100.8);
    EXPECT_EQ(f.slippage_bps, 80.0);
    f = fill_through_book(true, &b, linear_impact(0.016), 5, 100, 1.0);
    EXPECT_EQ(f.price, 99.2);
    EXPECT_EQ(f.slippage_bps, 80.0);
    // A fill better than the mid has negative slippage.
    const OrderBook wide = book({{90, 10}}, {{110, 10}});
    f = fill_through_book(false, &wide, linear_impact(0.016), 5, 95, 1.0);
    EXPECT_LT(f.slippage_bps, 0.0);
    // Without bids the mid is the reference; the asks still fill.
    const OrderBook asks_only = book({}, {{101, 5}});
    f = fill_through_book(false, &asks_only, walk(), 1, 100, 1.0);
    EXPECT_EQ(f.filled, 1.0);
    EXPECT_EQ(f.slippage_bps, 100.0);
    // A subnormal but positive mid is still the mid.
    const OrderBook tiny = book({{1e-320, 5}}, {{2e-320, 5}});
    EXPECT_EQ(book_mid(&tiny, 3.0), 1.5e-320);
}

TEST(EngineBookFill, ImpactModels) {
    const OrderBook deep = book({{99, 25}, {98, 25}}, {{101, 25}, {102, 25}});
    FillResult f = fill_through_book(false, &deep, linear_impact(0.1), 10, 100, 1.0);
    EXPECT_EQ(f.price, 102.0);
    EXPECT_EQ(f.filled, 10.0);
    EXPECT_EQ(f.notional, 1020.0);
    EXPECT_EQ(f.slippage_bps, 200.0);
    f = fill_through_book(true, &deep, linear_impact(0.1), 10, 100, 1.0);
    EXPECT_EQ(f.price, 98.0);
    EXPECT_EQ(f.slippage_bps, 200.0);
    f = fill_through_book(false, &deep, square_root(0.1), 10, 100, 1.0);
    EXPECT_EQ(f.price, 104.47213595);
    // levels plays no part in the impact models
    BookModel lin = linear_impact(0.1);
    lin.levels = 1;
    EXPECT_EQ(fill_through_book(false, &deep, lin, 10, 100, 1.0).price, 102.0);

    const OrderBook depth12 = book({{99, 12}}, {{101, 6}, {102, 6}});
    f = fill_through_book(false, &depth12, linear_impact(0.1), 10, 100, 0.5);
    EXPECT_EQ(f.filled, 6.0);
    EXPECT_EQ(f.unfilled, 4.0);
    EXPECT_EQ(f.price, 100.0 * (1.0 + 0.1 * 0.5));

    // An empty side, an empty book and a side of zero depth fill nothing.
    const OrderBook zero = book({{99, 0}}, {{101, 0}});
    for (const OrderBook* b : {static_cast<const OrderBook*>(nullptr), &zero}) {
        for (BookModel m : {linear_impact(0.1), square_root(0.1), walk()}) {
            f = fill_through_book(false, b, m, 3, 100, 1.0);
            EXPECT_EQ(f.filled, 0.0);
            EXPECT_EQ(f.price, 100.0);
            EXPECT_EQ(f.unfilled, 3.0);
            EXPECT_EQ(f.notional, 0.0);
            EXPECT_EQ(f.slippage_bps, 0.0);
        }
    }
}

TEST(EngineBookFill, MidOfHugePrices) {
    const OrderBook huge = book({{1.7e308, 1}}, {{1.75e308, 1}});
    EXPECT_EQ(book_mid(&huge, 1.0), 1.7e308 / 2.0 + 1.75e308 / 2.0);
    const OrderBook plain = book({{99, 1}}, {{101, 1}});
    EXPECT_EQ(book_mid(&plain, 1.0), 100.0);
    EXPECT_EQ(book_mid(nullptr, 7.0), 7.0);
}

// A side with a level priced at or below zero, a non-finite price or size, or a negative size is
// not a side to trade against: it would open positions at meaningless prices.
TEST(EngineBookFill, BadLevelsEmptyTheirSide) {
    const Level bad_levels[] = {{0.0, 5}, {-1.0, 5}, {kNaN, 5}, {kInf, 5}, {100, -1}, {100, kNaN}, {100, kInf}};
    for (const Level& bad : bad_levels) {
        SCOPED_TRACE(bad.price);
        OrderBook b = book({{99, 5}}, {{101, 5}, bad});
        const FillResult buy = fill_through_book(false, &b, walk(1), 2, 100, 1.0);
        EXPECT_EQ(buy.filled, 0.0);
        EXPECT_EQ(buy.price, 100.0);
        EXPECT_EQ(book_mid(&b, 100.0), 100.0);  // mid falls back to the reference
        // The other side still trades, against the reference as mid.
        const FillResult sell = fill_through_book(true, &b, walk(), 2, 100, 1.0);
        EXPECT_EQ(sell.filled, 2.0);
        EXPECT_EQ(sell.price, 99.0);
        EXPECT_EQ(sell.slippage_bps, 100.0);
    }
    // A size of -0 is a size of zero, not a negative one.
    OrderBook negzero = book({{99, 5}}, {{101, -0.0}, {102, 5}});
    EXPECT_EQ(fill_through_book(false, &negzero, walk(), 2, 100, 1.0).price, 102.0);
}

TEST(EngineBookFill, PricesThatAreNotFinitePositiveFillNothing) {
    // Walk whose cost overflows.
    const OrderBook rich = book({{1, 1}}, {{1e308, 1e10}});
    FillResult f = fill_through_book(false, &rich, walk(), 1e10, 100, 1.0);
    EXPECT_EQ(f.filled, 0.0);
    EXPECT_EQ(f.notional, 0.0);
    EXPECT_EQ(f.price, 100.0);
    EXPECT_EQ(f.unfilled, 1e10);
    // A sell pushed through zero by the impact model.
    const OrderBook b = book({{99, 10}}, {{101, 10}});
    f = fill_through_book(true, &b, linear_impact(2.0), 5, 100, 1.0);  // 100 x (1 - 2 x 0.5) = 0
    EXPECT_EQ(f.filled, 0.0);
    EXPECT_EQ(f.price, 100.0);
    f = fill_through_book(true, &b, linear_impact(3.0), 5, 100, 1.0);
    EXPECT_EQ(f.filled, 0.0);
    f = fill_through_book(true, &b, linear_impact(1.0), 5, 100, 1.0);
    EXPECT_EQ(f.filled, 5.0);
    EXPECT_EQ(f.price, 50.0);
    // Impact that overflows a buy.
    f = fill_through_book(false, &b, linear_impact(1e308), 5, 100, 1.0);
    EXPECT_EQ(f.filled, 0.0);
    EXPECT_EQ(f.price, 100.0);
    // A quantity that is not a number fills nothing.
    f = fill_through_book(false, &b, walk(), kNaN, 100, 1.0);
    EXPECT_EQ(f.filled, 0.0);
}

TEST(EngineOrderTrigger, OffsetsAndKinds) {
    Execution x;
    EXPECT_EQ(order_trigger_price(x, 50.0), std::make_pair(OrderKind::Market, 50.0));
    x.order_type = OrderType::Limit;
    EXPECT_EQ(order_trigger_price(x, 50.0), std::make_pair(OrderKind::Limit, 50.0));
    x.limit_offset_pct = -2.0;
    EXPECT_EQ(order_trigger_price(x, 50.0), std::make_pair(OrderKind::Limit, 50.0 * (1.0 + -2.0 / 100.0)));
    x.order_type = OrderType::Stop;
    EXPECT_EQ(order_trigger_price(x, 50.0), std::make_pair(OrderKind::Stop, 50.0));
    x.stop_offset_pct = 3.0;
    EXPECT_EQ(order_trigger_price(x, 50.0), std::make_pair(OrderKind::Stop, 50.0 * (1.0 + 3.0 / 100.0)));
    x.order_type = OrderType::StopLimit;
    EXPECT_EQ(order_trigger_price(x, 50.0), std::make_pair(OrderKind::Market, 50.0));
}

TEST(EngineOrderTrigger, LatencyShift) {
    EXPECT_EQ(latency_shift(0, 60000), 0u);
    EXPECT_EQ(latency_shift(1, 60000), 1u);
    EXPECT_EQ(latency_shift(60000, 60000), 1u);
    EXPECT_EQ(latency_shift(60001, 60000), 2u);
    EXPECT_EQ(latency_shift(18446744073709551615ull, 1000), 18446744073709552ull);
    EXPECT_EQ(latency_shift(5, 0), 0u);
}

}  // namespace
}  // namespace prynox
