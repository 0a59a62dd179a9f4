// Candles as a program writes them are read straight off the text; every other form goes through
// the record reader. Both must give the same candle, or the same error.
#include <gtest/gtest.h>

#include <string>

#include "core/json/market_reader.hpp"

namespace prynox {
namespace {

std::string read_candle(const std::string& candle, int depth_budget = kMaxDepth) {
    const std::string head = R"({"cmd":"run","data":{"candles":[)";
    const std::string text = head + candle + "]}}";
    Lexer lx(text, true);
    lx.seek(head.size() - 12);
    lx.set_depth_budget(depth_budget);
    RunData d;
    if (auto s = read_run_data(lx, d); !s) return s.error().display();
    if (d.candles.size() != 1) return "candles: " + std::to_string(d.candles.size());
    const Candle& c = d.candles[0];
    return std::to_string(c.time) + " " + std::to_string(c.open) + " " + std::to_string(c.high) + " " +
           std::to_string(c.low) + " " + std::to_string(c.close) + " " + std::to_string(c.volume);
}

TEST(CandleRead, EveryFormReadsAlike) {
    const std::string full = "-5 1.500000 2.000000 0.500000 1.250000 3.000000";
    const std::string no_volume = "-5 1.500000 2.000000 0.500000 1.250000 0.000000";
    const std::pair<std::string, std::string> cases[] = {
        {R"({"time":-5,"open":1.5,"high":2,"low":0.5,"close":1.25,"volume":3})", full},
        {R"({ "time" : -5 ,"open": 1.5, "high":2,"low":0.5,"close":1.25,"volume":3 })", full},
        {R"({"time":-5,"open":1.5,"high":2,"low":0.5,"close":1.25})", no_volume},
        {R"([-5,1.5,2,0.5,1.25,3])", full},
        {R"([ -5, 1.5,2,0.5,1.25 ])", no_volume},
        {R"({"volume":3,"close":1.25,"low":0.5,"high":2,"open":1.5,"time":-5})", full},
        {R"({"t\u0069me":-5,"open":1.5,"high":2,"low":0.5,"close":1.25,"volume":3})", full},
        {R"({"time":7,"open":1.5,"high":2,"low":0.5,"close":1.25,"volume":3,"time":-5})", full},
        {R"({"time":-5,"open":1.5,"high":2,"low":0.5,"close":1.25,"volume":3,"x":[{}]})", full},
        {R"({"time":-5,"open":1.5,"high":2,"low":0.5,"close":1.25,"volum":3})", no_volume},
        {R"({"time":9223372036854775808,"open":1,"high":2,"low":0.5,"close":1.25})",
         "invalid value: integer `9223372036854775808`, expected i64"},
        {R"({"time":1.5,"open":1,"high":2,"low":0.5,"close":1.25})",
         "invalid type: floating point `1.5`, expected i64"},
        {R"({"time":1,"open":"1","high":2,"low":0.5,"close":1.25})", R"(invalid type: string "1", expected f64)"},
        {R"({"time":1,"open":1,"high":2,"low":0.5})", "missing field `close`"},
        {R"([1,1,2,0.5])", "invalid length 4, expected struct Candle with 6 elements"},
        {R"([1,1,2,0.5,1.5,3,4])", "invalid length 7, expected fewer elements in array"},
        {R"({"time":1,"open":1.e5,"high":2,"low":0.5,"close":1.25})", "invalid number at line 1 column 52"},
        {R"({"time":1,"open":1,"high":2,"low":0.5,"close":1.25,})", "trailing comma at line 1 column 84"},
    };
    for (const auto& [candle, want] : cases) EXPECT_EQ(read_candle(candle), want) << candle;
    // The candle's own level counts against the nesting budget: data, candles, candle.
    EXPECT_EQ(read_candle(cases[0].first, 4), full);
    EXPECT_EQ(read_candle(cases[0].first, 3), "recursion limit exceeded at line 1 column 33");
}

}  // namespace
}  // namespace prynox
