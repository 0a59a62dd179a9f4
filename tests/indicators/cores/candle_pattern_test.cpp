// The pattern frame: a rule's constants reach its test, the test sees the last K valid candles
// with the current one last, and a rule may give nothing on a warm bar.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "indicators/boxed.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {
namespace {

// +1 when the current close exceeds the oldest by more than `step`, nothing on an equal close.
struct RiseOverRule {
    double step = 1.5;
    OptionalValue test(CandleRow<3> c) const {
        if (c[2].close == c[0].close) return std::nullopt;
        return c[2].close - c[0].close > step ? kBullishSignal : kNoPattern;
    }
};
using RiseOver = CandlePattern<RiseOverRule, 3>;

struct AlwaysBearishRule {
    static double test(CandleRow<1>) { return kBearishSignal; }
};

static_assert(Boxed<RiseOver>::kFeed == Feed::Kline);
static_assert(sizeof(CandlePattern<AlwaysBearishRule, 1>) == sizeof(PatternCandles<1>), "an empty rule costs nothing");

TEST(CandlePatternFrame, RuleConstantsAndRowsReachTheTest) {
    auto made = RiseOver::create();
    ASSERT_TRUE(made.has_value());
    SingleOutput<RiseOver> boxed(std::move(*made));
    EXPECT_EQ(boxed.warmup_period(), 3u);
    const Candle invalid{0, 5, 4, 6, 5, 1};  // high below low
    const double closes[] = {10, 11, 0, 12, 11.5, 12, 13.1};
    std::vector<OptionalValue> got;
    BarContext ctx;
    for (double close : closes) {
        const Candle c{0, close, close, close, close, 0};
        ctx.candle = close == 0 ? &invalid : &c;
        got.push_back(boxed.update(ctx));
    }
    // Rows (10, 11, 12), (11, 12, 11.5), (12, 11.5, 12), (11.5, 12, 13.1).
    const std::vector<OptionalValue> want = {{}, {}, {}, 1.0, 0.0, {}, 1.0};
    EXPECT_EQ(got, want);

    auto stateless = CandlePattern<AlwaysBearishRule, 1>::create();
    EXPECT_EQ(stateless->update_candle(invalid), kBearishSignal) << "a one-candle pattern gives a value at once";
    EXPECT_EQ(stateless->warmup_period(), 1u);
}

}  // namespace
}  // namespace prynox
