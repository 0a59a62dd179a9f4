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

std::string error_of(const std::string& data) {
    auto r = read(data);
    return r ? "ok" : r.error().display();
}

TEST(MarketReader, Messages) {
    const std::pair<std::string, std::string> cases[] = {
        {R"({"capital":5000})", "missing field `candles`"},
        {R"({"candles":[{"time":1.5,"open":1,"high":2,"low":0.5,"close":1.5}]})",
         "invalid type: floating point `1.5`, expected i64"},
        {R"({"candles":[{"time":1e3,"open":1,"high":2,"low":0.5,"close":1.5}]})",
         "invalid type: floating point `1000.0`, expected i64"},
        {R"({"candles":[{"time":9223372036854775808,"open":1,"high":2,"low":0.5,"close":1.5}]})",
         "invalid value: integer `9223372036854775808`, expected i64"},
        {R"({"candles":[],"books":{}})", "invalid type: map, expected a sequence"},
        {R"({"candles":[],"capital":null})", "invalid type: null, expected f64"},
        {R"({"candles":null})", "invalid type: null, expected a sequence"},
        {R"({"candles":[[1,1,2,0.5]]})", "invalid length 4, expected struct Candle with 6 elements"},
        {R"({"candles":[[1,1,2,0.5,1,0,7]]})", "invalid length 7, expected fewer elements in array"},
        {R"({"candles":[5]})", "invalid type: integer `5`, expected struct Candle"},
        {R"({"candles":[{"time":1,"open":"x","high":2,"low":"y","close":1}]})",
         "invalid type: string \"y\", expected f64"},
        {R"({"candles":[{"time":1,"open":1,"high":2,"low":1}]})", "missing field `close`"},
        {R"({"candles":[],"trades":[[{"price":10,"size":1,"side":"BUY"}]]})",
         "unknown variant `BUY`, expected `buy` or `sell`"},
        {R"({"candles":[],"trades":[[{"price":10,"size":1,"side":5}]]})",
         "invalid type: integer `5`, expected string or map"},
        {R"({"candles":[],"trades":[[{"price":10,"size":1}]]})", "missing field `side`"},
        {R"({"candles":[],"books":[{"bids":[]}]})", "missing field `asks`"},
        {R"({"candles":[],"books":[{"bids":[[1]],"asks":[]}]})",
         "invalid length 1, expected struct Level with 2 elements"},
        {R"({"candles":[],"derivs":[{"funding_rate":0}]})", "missing field `mark_price`"},
        {R"({"candles":[],"derivs":[[0,1,1,1,1,1,1,1,1,1]]})",
         "invalid length 10, expected struct DerivativesTick with 12 elements"},
        {R"({"candles":"x","books":5})", "invalid type: integer `5`, expected a sequence"},
        {R"([])", "invalid length 0, expected struct RunData with 6 elements"},
        {R"([[],1,null,null,null,null,7])", "invalid length 7, expected fewer elements in array"},
        {R"(5)", "invalid type: integer `5`, expected struct RunData"},
    };
    for (const auto& [data, message] : cases) EXPECT_EQ(error_of(data), message) << data;
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
