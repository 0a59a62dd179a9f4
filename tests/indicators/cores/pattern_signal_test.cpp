// The candles a pattern reads and when it gives its signal: kept whole and oldest first, the
// current one joining them whatever the tests found, nothing before the K-th valid candle, and an
// invalid candle (dropped by the candle contract) neither shifting them nor counting.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "indicators/boxed.hpp"
#include "indicators/cores/pattern_signal.hpp"

namespace prynox {
namespace {

// A two-candle pattern: +1 on a higher close, -1 on a lower one.
struct HigherClose {
    PatternCandles<2> candles;
    OptionalValue update_candle(const Candle& c) {
        return candles.step(c, [](PatternCandles<2>::Row r) {
            return r[1].close > r[0].close ? kBullishSignal : r[1].close < r[0].close ? kBearishSignal : kNoPattern;
        });
    }
    std::uint64_t warmup_period() const { return candles.warmup_period(); }
};

Candle bar(std::int64_t time, double close) { return {time, close, close + 1, close - 1, close, 1}; }

TEST(PatternSignal, AnInvalidCandleIsNeitherKeptNorCounted) {
    SingleOutput<HigherClose> boxed(HigherClose{});
    EXPECT_EQ(boxed.warmup_period(), 2u);
    const Candle invalid{0, 20, 21, 20, 19.5, 1};  // low above the close
    const Candle bars[] = {bar(1, 10), invalid, bar(2, 11), bar(3, 11), invalid, bar(4, 9)};
    std::vector<OptionalValue> got;
    BarContext ctx;
    for (const Candle& c : bars) {
        ctx.candle = &c;
        got.push_back(boxed.update(ctx));
    }
    const std::vector<OptionalValue> want = {{}, {}, 1.0, 0.0, {}, -1.0};
    EXPECT_EQ(got, want);
}

// Each row a K-candle test saw, as the candles' times, oldest first.
template <std::size_t K>
std::vector<std::vector<std::int64_t>> rows_seen(int bars, std::vector<OptionalValue>& values,
                                                 OptionalValue answer = 0.0) {
    PatternCandles<K> candles;
    std::vector<std::vector<std::int64_t>> rows;
    for (int i = 1; i <= bars; ++i)
        values.push_back(candles.step(bar(i, 100.0 + i), [&](typename PatternCandles<K>::Row r) {
            std::vector<std::int64_t> row;
            for (const Candle& c : r) row.push_back(c.time);
            EXPECT_EQ(r[K - 1].close, 100.0 + i) << "the current candle is whole and last";
            rows.push_back(row);
            return answer;
        }));
    EXPECT_EQ(candles.held(), K - 1);
    return rows;
}

TEST(PatternSignal, RowsAreTheLastKValidCandlesOldestFirst) {
    std::vector<OptionalValue> values;
    EXPECT_EQ(rows_seen<3>(5, values), (std::vector<std::vector<std::int64_t>>{{1, 2, 3}, {2, 3, 4}, {3, 4, 5}}));
    EXPECT_EQ(values, (std::vector<OptionalValue>{{}, {}, 0.0, 0.0, 0.0}));

    values.clear();
    EXPECT_EQ(rows_seen<1>(2, values), (std::vector<std::vector<std::int64_t>>{{1}, {2}}));
    EXPECT_EQ(values, (std::vector<OptionalValue>{0.0, 0.0})) << "a stateless pattern gives a value from the first candle";

    values.clear();
    EXPECT_EQ(rows_seen<5>(6, values), (std::vector<std::vector<std::int64_t>>{{1, 2, 3, 4, 5}, {2, 3, 4, 5, 6}}));
    EXPECT_EQ(values, (std::vector<OptionalValue>{{}, {}, {}, {}, 0.0, 0.0}));

    // A test that gives nothing on a bar still keeps the candle.
    values.clear();
    EXPECT_EQ(rows_seen<2>(4, values, {}), (std::vector<std::vector<std::int64_t>>{{1, 2}, {2, 3}, {3, 4}}));
    EXPECT_EQ(values, (std::vector<OptionalValue>(4)));
}

static_assert(PatternCandles<1>::warmup_period() == 1 && PatternCandles<4>::warmup_period() == 4);

}  // namespace
}  // namespace prynox
