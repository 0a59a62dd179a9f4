// The contract of each feed: a step runs only on a bar that carries its input in usable form,
// with that input; otherwise the update gives no value and the state is untouched. A type with
// named outputs publishes its fixed list on the bars that give values and keeps it otherwise.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <span>
#include <vector>

#include "indicators/boxed.hpp"

namespace prynox {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Each test state counts its steps and returns a number that tells which input it saw.
struct Counted {
    int steps = 0;
    std::uint64_t warmup_period() const { return 1; }
};
struct CloseState : Counted {
    OptionalValue update_value(double close) { return ++steps, std::isnan(close) ? -1.0 : close; }
};
struct CandleState : Counted {
    OptionalValue update_candle(const Candle& c) { return ++steps, c.high - c.low; }
};
struct ReferenceState : Counted {
    OptionalValue update_pair(double close, double reference) { return ++steps, close - reference; }
};
struct TradeState : Counted {
    OptionalValue update_trades(std::span<const TradePrint> t) { return ++steps, static_cast<double>(t.size()); }
};
struct BookState : Counted {
    OptionalValue update_book(const OrderBook& b) { return ++steps, b.bids[0].price; }
};
struct TradeQuoteState : Counted {
    OptionalValue update_trade_quote(const TradeQuote& q) {
        ++steps;
        return (q.book != nullptr ? q.book->asks[0].price : q.candle.close) + static_cast<double>(q.trades.size());
    }
};
struct DerivativesState : Counted {
    OptionalValue update_tick(const DerivativesTick& t) { return ++steps, t.funding_rate; }
};
struct CrossSectionState : Counted {
    OptionalValue update_cross_section(std::span<const CrossSectionEntry> e) { return ++steps, double(e.size()); }
};

static_assert(SingleOutput<CloseState>::kFeed == Feed::Kline);
static_assert(SingleOutput<CandleState>::kFeed == Feed::Kline);
static_assert(SingleOutput<ReferenceState>::kFeed == Feed::Kline);
static_assert(SingleOutput<TradeState>::kFeed == Feed::Trade);
static_assert(SingleOutput<BookState>::kFeed == Feed::Orderbook);
static_assert(SingleOutput<TradeQuoteState>::kFeed == Feed::TradeQuote);
static_assert(SingleOutput<DerivativesState>::kFeed == Feed::Derivatives);
static_assert(SingleOutput<CrossSectionState>::kFeed == Feed::CrossSection);

// One bar of every kind of input, each of which a case may take away or spoil.
struct Bar {
    Candle candle{1, 10.0, 12.0, 9.0, 11.0, 5.0};
    std::vector<Level> bids{{10.5, 1.0}}, asks{{11.5, 2.0}};
    OrderBook book{bids, asks};
    std::vector<TradePrint> trades{{11.0, 1.0, Side::Buy, 1}, {11.1, 2.0, Side::Sell, 2}};
    DerivativesTick tick{.funding_rate = 0.25};
    std::vector<CrossSectionEntry> cross{{1.0}, {-1.0}, {0.0}};
    BarContext ctx;

    Bar() {
        ctx.candle = &candle;
        ctx.reference = 4.0;
        ctx.book = &book;
        ctx.trades = trades;
        ctx.deriv = &tick;
        ctx.cross_section = &cross;
    }
};

template <class State>
void expect_bar(const char* what, void (*edit)(Bar&), OptionalValue want) {
    Bar bar;
    edit(bar);
    SingleOutput<State> boxed(State{});
    EXPECT_EQ(boxed.update(bar.ctx), want) << what;
    EXPECT_EQ(boxed.state().steps, want.has_value() ? 1 : 0) << what << ": the step runs only when it gives";
    EXPECT_TRUE(boxed.outputs().empty() && boxed.output_names().empty()) << what;
}

void keep(Bar&) {}

TEST(FeedContracts, EachStepRunsOnItsOwnInputOnly) {
    expect_bar<CloseState>("close", keep, 11.0);
    expect_bar<CloseState>("a NaN close reaches the step, which decides", [](Bar& b) { b.candle.close = kNaN; },
                           -1.0);
    expect_bar<CloseState>("no candle", [](Bar& b) { b.ctx.candle = nullptr; }, {});

    expect_bar<CandleState>("candle", keep, 3.0);
    expect_bar<CandleState>("an invalid candle", [](Bar& b) { b.candle.high = 8.0; }, {});
    expect_bar<CandleState>("a negative volume", [](Bar& b) { b.candle.volume = -1e-300; }, {});
    expect_bar<CandleState>("a volume of -0", [](Bar& b) { b.candle.volume = -0.0; }, 3.0);

    expect_bar<ReferenceState>("pair", keep, 7.0);
    expect_bar<ReferenceState>("no reference", [](Bar& b) { b.ctx.reference = {}; }, {});
    expect_bar<ReferenceState>("an infinite reference", [](Bar& b) { b.ctx.reference = kInf; }, {});
    expect_bar<ReferenceState>("a NaN close", [](Bar& b) { b.candle.close = kNaN; }, {});
    expect_bar<ReferenceState>("the candle is not checked", [](Bar& b) { b.candle.high = 0.0; }, 7.0);

    expect_bar<TradeState>("prints", keep, 2.0);
    expect_bar<TradeState>("no prints still steps", [](Bar& b) { b.ctx.trades = {}; }, 0.0);

    expect_bar<BookState>("book", keep, 10.5);
    expect_bar<BookState>("no book", [](Bar& b) { b.ctx.book = nullptr; }, {});

    expect_bar<TradeQuoteState>("prints and book", keep, 13.5);
    expect_bar<TradeQuoteState>("without a book the candle", [](Bar& b) { b.ctx.book = nullptr; }, 13.0);

    expect_bar<DerivativesState>("tick", keep, 0.25);
    expect_bar<DerivativesState>("no tick", [](Bar& b) { b.ctx.deriv = nullptr; }, {});

    expect_bar<CrossSectionState>("cross-section", keep, 3.0);
    expect_bar<CrossSectionState>("no list, as in every run", [](Bar& b) { b.ctx.cross_section = nullptr; }, {});
}

// A candle step that keeps a running sum of closes: a bar that reached it would show later.
struct SummingState : Counted {
    double sum = 0.0;
    OptionalValue update_candle(const Candle& c) { return ++steps, sum += c.close; }
};

// Each of the candle's checks, in their order, each comparison on its own: a candle failing it
// (and, where it can, a later check as well) is named by that check's message, gives no value
// through the contract, and leaves the step's state as it was.
TEST(FeedContracts, EachCandleCheckInOrderKeepsItsBarFromTheStep) {
    struct Case {
        Candle candle;
        const char* message;
    };
    const Case cases[] = {
        {{0, kNaN, 12, 9, 11, -1}, kCandleNotFinite},
        {{0, 10, kInf, 9, 11, kNaN}, kCandleNotFinite},
        {{0, 10, 12, -kInf, 11, 5}, kCandleNotFinite},
        {{0, 10, 12, 9, kNaN, 5}, kCandleNotFinite},
        {{0, 10, 8, 9, 11, kNaN}, kVolumeNotFinite},
        {{0, 10, 12, 9, 11, -kInf}, kVolumeNotFinite},
        {{0, 10, 8, 9, 11, -1e-300}, kVolumeNegative},
        {{0, 10, 8, 9, 11, 5}, kHighBelowLow},
        {{0, 12.5, 12, 9, 11, 5}, kHighBelowBody},
        {{0, 1, 3, 2, 4, 5}, kHighBelowBody},
        {{0, 10, 12, 11, 11.5, 5}, kLowAboveBody},
        {{0, 11, 12, 11, 10.5, 5}, kLowAboveBody},
    };
    const Candle before{0, 10, 12, 9, 11, 5}, after{0, 11, 13, 10, 12.5, 0};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(candle_problem(c.candle), c.message);
        SingleOutput<SummingState> boxed(SummingState{});
        BarContext ctx;
        for (const Candle* bar : {&before, &c.candle, &after}) {
            ctx.candle = bar;
            const OptionalValue got = boxed.update(ctx);
            EXPECT_EQ(got, bar == &c.candle ? OptionalValue{} : OptionalValue{bar == &before ? 11.0 : 23.5});
        }
        EXPECT_EQ(boxed.state().steps, 2);
    }
    const Candle edges[] = {{0, 5, 5, 5, 5, 0}, {0, 5, 5, 5, 5, -0.0}, {0, -1.7e308, 1.7e308, -1.7e308, 1.7e308, 1e308}};
    for (const Candle& c : edges) EXPECT_EQ(candle_problem(c), nullptr) << "the accepting side is not strict";
}

// Bands over the close: nothing on a non-positive close, else (close + 1, close, close - 1).
struct BandsState {
    static constexpr std::array<const char*, 3> kOutputNames{"upper", "middle", "lower"};
    bool update_value(double close, std::array<double, 3>& out) {
        if (!(close > 0.0)) return false;
        out = {close + 1.0, close, close - 1.0};
        return true;
    }
    std::uint64_t warmup_period() const { return 4; }
};
static_assert(MultiOutput<BandsState>::kFeed == Feed::Kline);
static_assert(std::is_same_v<Boxed<BandsState>, MultiOutput<BandsState>>);
static_assert(std::is_same_v<Boxed<CloseState>, SingleOutput<CloseState>>);

std::vector<double> values_of(std::span<const NamedOutput> list) {
    std::vector<double> v;
    for (const auto& o : list) v.push_back(o.value);
    return v;
}

TEST(FeedContracts, NamedOutputsArePublishedOnValuesAndKeptOtherwise) {
    Boxed<BandsState> boxed(BandsState{});
    Bar bar;
    const std::span<const char* const> names = boxed.output_names();
    ASSERT_EQ(names.size(), 3u);
    EXPECT_STREQ(names[0], "upper");
    EXPECT_STREQ(names[2], "lower");
    EXPECT_EQ(boxed.warmup_period(), 4u);

    bar.candle.close = -1.0;
    EXPECT_EQ(boxed.update(bar.ctx), std::nullopt);
    EXPECT_TRUE(boxed.outputs().empty()) << "nothing before the first value";

    bar.candle.close = 5.0;
    EXPECT_EQ(boxed.update(bar.ctx), 6.0) << "the value is the first output";
    ASSERT_EQ(boxed.outputs().size(), 3u);
    EXPECT_EQ(values_of(boxed.outputs()), (std::vector<double>{6.0, 5.0, 4.0}));
    EXPECT_STREQ(boxed.outputs()[1].name, "middle");

    bar.candle.close = 0.0;
    EXPECT_EQ(boxed.update(bar.ctx), std::nullopt);
    EXPECT_EQ(values_of(boxed.outputs()), (std::vector<double>{6.0, 5.0, 4.0})) << "a bar without values keeps the list";

    bar.candle.close = kInf;
    EXPECT_EQ(boxed.update(bar.ctx), kInf);
    EXPECT_EQ(values_of(boxed.outputs())[1], kInf) << "values are published as computed";
}

}  // namespace
}  // namespace prynox
