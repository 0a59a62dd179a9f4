#include "core/json/market_reader.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

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
