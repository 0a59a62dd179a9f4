#include "core/json/market_reader.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "core/protocol/command.hpp"

namespace prynox {
namespace {

std::expected<RunData, ReadError> read(const std::string& data) {
    const std::string cmd = R"({"cmd":"run","data":)" + data + "}";
    return run_data_from_value(cmd, std::string(R"({"cmd":"run","data":)").size());
}

TEST(MarketReader, ValuesAndDefaults) {
    auto r = read(R"({"candles":[]})");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->capital, 100000.0);
    EXPECT_FALSE(r->books || r->reference || r->derivs || r->trades);

    r = read(R"({"candles":[{"time":-5,"open":1,"high":2,"low":0.5,"close":1.5,"symbol":"x","close":1.25},)"
             R"([1,1,2,0.5,1.5]],"capital":5000,"books":null,"reference":null,"derivs":null,)"
             R"("trades":[[],[{"price":10,"size":1,"side":"sell"},{"price":11,"size":2,"side":{"buy":null},"timestamp":9}]]})");
    ASSERT_TRUE(r) << r.error().display();
    ASSERT_EQ(r->candles.size(), 2u);
    EXPECT_EQ(r->candles[0].time, -5);
    EXPECT_EQ(r->candles[0].close, 1.25);  // the last of two equal keys
    EXPECT_EQ(r->candles[0].volume, 0.0);
    EXPECT_EQ(r->candles[1].time, 1);
    EXPECT_EQ(r->candles[1].close, 1.5);
    EXPECT_EQ(r->capital, 5000.0);
    EXPECT_FALSE(r->books);
    ASSERT_TRUE(r->trades);
    ASSERT_EQ(r->trades->size(), 2u);
    EXPECT_TRUE((*r->trades)[0].empty());
    ASSERT_EQ((*r->trades)[1].size(), 2u);
    EXPECT_EQ((*r->trades)[1][0].side, Side::Sell);
    EXPECT_EQ((*r->trades)[1][0].timestamp, 0);
    EXPECT_EQ((*r->trades)[1][1].side, Side::Buy);
    EXPECT_EQ((*r->trades)[1][1].timestamp, 9);

    r = read(R"({"candles":[],"books":[{"asks":[[101,2]],"bids":[{"price":99,"size":1.5}]}],)"
             R"("derivs":[[0.0001,100,100,101,5,1,1,2,2,0,0]]})");
    ASSERT_TRUE(r) << r.error().display();
    EXPECT_EQ((*r->books)[0].bids[0].size, 1.5);
    EXPECT_EQ((*r->books)[0].asks[0].price, 101.0);
    EXPECT_EQ((*r->derivs)[0].futures_price, 101.0);
    EXPECT_EQ((*r->derivs)[0].timestamp, 0);
}

// A book as "price x size, ... | price x size, ...": bids, then asks.
std::string describe(const OrderBook& b) {
    const auto side = [](std::span<const Level> levels) {
        std::string out;
        for (const Level& l : levels) {
            if (!out.empty()) out += ",";
            out += std::to_string(static_cast<int>(l.price)) + "x" + std::to_string(static_cast<int>(l.size));
        }
        return out;
    };
    return side(b.bids) + "|" + side(b.asks);
}

// Every bar's levels stay its own, on its own side, whatever the depths, forms and order of
// the sides, and however often a side or the list itself was written.
TEST(MarketReader, BooksKeepEachBarsLevels) {
    const struct {
        std::string data;
        std::vector<std::string> books;  // one per bar; {"none"} without books; {"error: ..."}
    } cases[] = {
        {R"({"candles":[],"books":[[[[99,1],[98,2]],[[101,1]]],{"bids":[],"asks":[[102,3]]},[[],[]],)"
         R"({"asks":[[103,1],[104,2],[105,3]],"bids":[[100,5]]},[[[97,1]],[]],{"bids":[{"size":4,"price":96}],"asks":[]}]})",
         {"99x1,98x2|101x1", "|102x3", "|", "100x5|103x1,104x2,105x3", "97x1|", "96x4|"}},
        // The last of two equal keys counts, also after a side that failed to read.
        {R"({"candles":[],"books":[{"bids":[[1,1]],"asks":[[2,1]],"bids":[[5,1],[4,1]]},[[[7,1]],[[8,1]]],)"
         R"({"asks":[[9,9]],"bids":[[1,"x"]],"bids":[[3,1]]},{"asks":[[1,1]],"bids":[],"asks":[[6,2]]},)"
         R"({"bids":[[1,1]],"asks":[[2,2]],"asks":[[3,3]]},[[[7,1]],[[8,1]]]]})",
         {"5x1,4x1|2x1", "7x1|8x1", "3x1|9x9", "|6x2", "1x1|3x3", "7x1|8x1"}},
        {R"({"books":[[[[1,1]],[[2,1]]]],"candles":[],"books":[[[[5,1]],[[6,1]]],[[],[]]]})", {"5x1|6x1", "|"}},
        {R"({"candles":[],"books":[[[[1,1]],[[2,1]]]],"books":null})", {"none"}},
        {R"({"books":[],"candles":[[0,1,1,1,1]]})", {}},
        // More books than candles, and books before the candles: read as they are.
        {R"({"candles":[[0,1,1,1,1]],"books":[[[[1,1]],[]],[[],[[2,2]]],[[[3,3]],[[4,4]]]]})", {"1x1|", "|2x2", "3x3|4x4"}},
        {R"({"books":[[[[1,1]],[]],[[],[[2,2]]]],"candles":[[0,1,1,1,1]]})", {"1x1|", "|2x2"}},
        {R"({"candles":[],"books":[[[[1,1]]]]})", {"error: invalid length 1, expected struct OrderBook with 2 elements"}},
        {R"({"candles":[],"books":[[[[1,1]],[[2,true]]]]})", {"error: invalid type: boolean `true`, expected f64"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data);
        const auto r = read(c.data);
        std::vector<std::string> got;
        if (!r) got.push_back("error: " + r.error().display());
        else if (!r->books) got.push_back("none");
        else for (std::size_t i = 0; i < r->books->size(); ++i) got.push_back(describe((*r->books)[i]));
        EXPECT_EQ(got, c.books);
    }
}

// One bar far deeper than the shallow ones around it.
TEST(MarketReader, ADeepBookAmongShallowOnes) {
    std::string deep;
    for (int k = 100000; k > 0; --k) deep += "[" + std::to_string(k) + ",1]" + (k > 1 ? "," : "");
    const auto r = read(R"({"candles":[],"books":[[[[1,1]],[[2,1]]],[[)" + deep + R"(],[[100001,2]]],[[],[[3,3]]]]})");
    ASSERT_TRUE(r) << r.error().display();
    ASSERT_EQ(r->books->size(), 3u);
    const OrderBook b = (*r->books)[1];
    EXPECT_EQ(std::make_tuple(b.bids.size(), b.bids.front().price, b.bids.back().price),
              std::make_tuple(100000uz, 100000.0, 1.0));
    EXPECT_EQ(describe({{}, b.asks}) + " " + describe((*r->books)[0]) + " " + describe((*r->books)[2]),
              "|100001x2 1x1|2x1 |3x3");
}

TEST(MarketReader, NumbersAreCorrectlyRounded) {
    auto r = read(R"({"candles":[[0,0.1,1e-320,2.2250738585072011e-308,9007199254740993,-0]],"capital":1e-400})");
    ASSERT_TRUE(r) << r.error().display();
    EXPECT_EQ(r->candles[0].open, 0.1);
    EXPECT_EQ(r->candles[0].high, 1e-320);
    EXPECT_EQ(r->candles[0].low, 2.2250738585072011e-308);
    EXPECT_EQ(r->candles[0].close, 9007199254740992.0);
    EXPECT_TRUE(std::signbit(r->candles[0].volume));
    EXPECT_EQ(r->capital, 0.0);
}

}  // namespace
}  // namespace prynox
