// A strategy reads moving averages by id end to end: a crossover of Sma(2) and Sma(4) through a
// whole "run" command gives the one trade computed by hand.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/model/spec.hpp"
#include "core/protocol/command.hpp"
#include "support/json_value.hpp"

namespace prynox {
namespace {

TEST(MovingAverageRunTest, CrossoverTradesAsComputedByHand) {
    // closes:   10 10 10 10  12   14    13    11    9     8     8  7
    // Sma(2):    - 10 10 10  11   13  13.5    12   10   8.5     8  7.5
    // Sma(4):    -  -  - 10 10.5 11.5 12.25 12.5 11.75 10.25   9  8
    // The fast line crosses above at bar 4 (11 > 10.5 after 10 <= 10) and below at bar 7
    // (12 < 12.5 after 13.5 >= 12.25); both fills at the bar's close.
    const double closes[] = {10, 10, 10, 10, 12, 14, 13, 11, 9, 8, 8, 7};
    // A one-level book around each close gives the impact model depth; with coef 0 every fill
    // is at the reference price.
    std::string candles, books;
    for (int i = 0; i < 12; ++i) {
        const std::string c = std::to_string(closes[i]), sep = i ? "," : "";
        candles += sep + "[" + std::to_string(1000 * (i + 1)) + "," + c + "," + c + "," + c + "," + c + ",1000]";
        books += sep + "[[[" + std::to_string(closes[i] - 0.5) + ",100]],[[" + std::to_string(closes[i] + 0.5) +
                 ",100]]]";
    }
    std::string spec =
        R"({"strategy":{"symbol":"T","timeframe":"1m","indicators":{"fast":{"type":"Sma","params":[2]},)"
        R"("slow":{"type":"Sma","params":[4]}},"entry":{"cross_above":["fast","slow"]},)"
        R"("exit":{"cross_below":["fast","slow"]},"sizing":{"type":"fixed_qty","qty":1},)"
        R"("costs":{"maker_bps":0,"taker_bps":0},"execution":{"fill_timing":"close"}},)"
        R"("book_model":{"kind":"square_root","coef":0}})";
    std::optional<ImpactSpec> handle;
    ASSERT_EQ(run_command(handle, R"({"cmd":"set_spec","spec":)" + spec + "}"), R"({"ok":true})");
    std::string answer =
        run_command(handle, R"({"cmd":"run","data":{"candles":[)" + candles + R"(],"books":[)" + books + "]}}");

    const Content doc = testing::parse_json(answer);
    const Content& trades = testing::member(testing::member(doc, "report"), "trades");
    ASSERT_EQ(trades.kind, Content::Kind::Seq) << answer;
    ASSERT_EQ(trades.items.size(), 1u) << answer.substr(0, 3000);
    for (auto [key, want] : {std::pair{"entry_time", 5000.0}, {"exit_time", 8000.0}, {"entry_price", 12.0},
                             {"exit_price", 11.0}, {"pnl", -1.0}})
        EXPECT_EQ(testing::number(testing::member(trades.items[0], key)), want) << key;
}

}  // namespace
}  // namespace prynox
