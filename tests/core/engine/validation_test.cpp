#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "core/engine/backtest.hpp"
#include "core/engine/run_validation.hpp"
#include "core/registry/indicator_source.hpp"
#include "engine_test_support.hpp"

namespace prynox {
namespace {

using namespace prynox::test;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::string run_error(const ImpactSpec& spec, const RunData& data, const IndicatorSource& source) {
    auto r = run_backtest(spec, data, source);
    if (r) return "ok";
    return r.error().display();
}

ScriptedSource known_source() {
    ScriptedSource src;
    ScriptedSource::Type known;
    known.feed = Feed::Kline;
    src.add("Known", known);
    return src;
}

// Every check of the table fails at first; mending them one at a time must walk through the
// refusals in the table's order.
TEST(EngineValidation, ChecksRunInTableOrder) {
    ScriptedSource src = known_source();
    ImpactSpec spec = base_spec();
    StrategySpec& s = spec.strategy;
    s.indicators["a"] = indicator("Known", Feed::Trade);
    s.indicators["b"] = indicator("Missing");
    s.entry = gt(ref("ghost.k"), num(1));
    s.spec_version = 2;
    s.sizing = sizing(Sizing::Kind::RiskPerTrade, 1.0);
    s.execution.order_type = OrderType::StopLimit;
    s.execution.limit_offset_pct = 1.0;
    s.execution.partial_fills = true;
    s.execution.fill_timing = FillTiming::Close;
    s.execution.latency_bars = 1;
    s.costs.slippage.kind = Slippage::Kind::Spread;
    s.timeframe = "1M";
    spec.participation_cap = 0.0;
    spec.book_model = linear_impact(-1.0);
    RunData data;
    data.reference = flat_candles({1});
    data.derivs = std::vector<DerivativesTick>(3);
    data.trades = std::vector<std::vector<TradePrint>>(1);

    const std::string expected[] = {
        "bad spec: rule references undeclared indicator: ghost.k",
        "bad spec: invalid strategy spec: spec_version 2 is not supported; this build reads 1..=1",
        "bad spec: invalid strategy spec: sizing risk_per_trade requires risk.stop_loss_pct: the position size "
        "is                  derived from the distance to the stop",
        "bad spec: invalid strategy spec: indicator 'a' (Known) declares feed Trade but consumes Kline",
        "bad spec: invalid strategy spec: stop_limit order_type requires both execution.stop_offset_pct and     "
        "                 execution.limit_offset_pct",
        "bad spec: invalid strategy spec: partial_fills requires execution.max_participation",
        "bad spec: invalid strategy spec: fill_timing close requires a market order_type",
        "bad spec: invalid strategy spec: fill_timing close is incompatible with latency_bars",
        "bad spec: participation_cap must be in (0, 1]",
        "bad spec: impact coef must be finite and >= 0",
        "bad spec: impact runs override slippage; remove costs.slippage",
        "data: no candles",
        "data: orderbook_walk requires a book feed",
        "data: books length must match candles",
        "data: reference length must match candles",
        "data: derivs length must match candles",
        "data: trades length must match candles",
        "bad spec: timeframe bad unit: 1M",
        "backtest: unknown indicator type: Missing",
        "ok",
    };
    const std::function<void()> mends[] = {
        [&] { s.entry = gt(ref("a.k"), num(1)); },
        [&] { s.spec_version = 1; },
        [&] { s.risk.stop_loss_pct = 2.0; },
        [&] { s.indicators["a"].feed = Feed::Kline; },
        [&] { s.execution.stop_offset_pct = 1.0; },
        [&] { s.execution.max_participation = 0.5; },
        [&] { s.execution.order_type = OrderType::Market; },
        [&] { s.execution.latency_bars = 0; },
        [&] { spec.participation_cap = 1.0; },
        [&] { spec.book_model = walk(); },
        [&] { s.costs.slippage = Slippage{}; },
        [&] { data.candles = flat_candles({100, 101}); },
        [&] { data.books = std::vector<OrderBook>(1); },
        [&] { data.books->resize(2); },
        [&] { data.reference = flat_candles({1, 2}); },
        [&] { data.derivs->resize(2); },
        [&] { data.trades->resize(2); },
        [&] { s.timeframe = " 1h "; },
        [&] { s.indicators["b"].type = "Known"; },
    };
    for (std::size_t k = 0; k < std::size(expected); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(run_error(spec, data, src), expected[k]);
        if (k < std::size(mends)) mends[k]();
    }
}

TEST(EngineValidation, MessagesWithRunsOfBlanks) {
    ImpactSpec spec = base_spec();
    spec.strategy.sizing = sizing(Sizing::Kind::RiskPerTrade, 1.0);
    const std::string sizing_text = run_error(spec, data_of(flat_candles({1})), known_source());
    EXPECT_EQ(sizing_text,
              std::string("bad spec: invalid strategy spec: sizing risk_per_trade requires risk.stop_loss_pct: the "
                          "position size is") +
                  std::string(18, ' ') + "derived from the distance to the stop");

    ImpactSpec spec2 = base_spec();
    spec2.strategy.execution.order_type = OrderType::StopLimit;
    spec2.strategy.execution.stop_offset_pct = 1.0;
    EXPECT_EQ(run_error(spec2, data_of(flat_candles({1})), known_source()),
              std::string("bad spec: invalid strategy spec: stop_limit order_type requires both "
                          "execution.stop_offset_pct and") +
                  std::string(22, ' ') + "execution.limit_offset_pct");
}

TEST(EngineValidation, OrderTypeOffsets) {
    struct Case {
        OrderType type;
        std::optional<double> limit;
        std::optional<double> stop;
        std::string expected;
    };
    const std::string stop_limit =
        "bad spec: invalid strategy spec: stop_limit order_type requires both execution.stop_offset_pct and"
        "                      execution.limit_offset_pct";
    const Case cases[] = {
        {OrderType::Limit, std::nullopt, 1.0, "bad spec: invalid strategy spec: limit order_type requires "
                                              "execution.limit_offset_pct"},
        {OrderType::Limit, 1.0, std::nullopt, "ok"},
        {OrderType::Stop, 1.0, std::nullopt, "bad spec: invalid strategy spec: stop order_type requires "
                                             "execution.stop_offset_pct"},
        {OrderType::Stop, std::nullopt, 1.0, "ok"},
        {OrderType::StopLimit, 1.0, std::nullopt, stop_limit},
        {OrderType::StopLimit, std::nullopt, 1.0, stop_limit},
        {OrderType::StopLimit, std::nullopt, std::nullopt, stop_limit},
        {OrderType::StopLimit, 1.0, 1.0, "ok"},
        {OrderType::Market, std::nullopt, std::nullopt, "ok"},
    };
    for (const Case& c : cases) {
        ImpactSpec spec = base_spec();
        spec.strategy.execution.order_type = c.type;
        spec.strategy.execution.limit_offset_pct = c.limit;
        spec.strategy.execution.stop_offset_pct = c.stop;
        EXPECT_EQ(run_error(spec, data_of(flat_candles({1})), known_source()), c.expected);
    }
}

TEST(EngineValidation, FillTimingCloseReportsOrderTypeBeforeLatency) {
    ImpactSpec spec = base_spec();
    spec.strategy.execution.fill_timing = FillTiming::Close;
    spec.strategy.execution.order_type = OrderType::Limit;
    spec.strategy.execution.limit_offset_pct = 1.0;
    spec.strategy.execution.latency_bars = 3;
    EXPECT_EQ(run_error(spec, data_of(flat_candles({1})), known_source()),
              "bad spec: invalid strategy spec: fill_timing close requires a market order_type");
    // next_open with latency is fine.
    spec.strategy.execution.fill_timing = FillTiming::NextOpen;
    EXPECT_EQ(run_error(spec, data_of(flat_candles({1})), known_source()), "ok");
}

TEST(EngineValidation, ParticipationCapRange) {
    const std::pair<double, bool> cases[] = {{1.0, true},        {0.5, true},   {4.9e-324, true},
                                             {0.0, false},       {-0.0, false}, {-0.5, false},
                                             {1.0000001, false}, {kNaN, false}, {kInf, false}};
    for (auto [cap, ok] : cases) {
        ImpactSpec spec = base_spec();
        spec.participation_cap = cap;
        EXPECT_EQ(run_error(spec, data_of(flat_candles({1})), known_source()),
                  ok ? "ok" : "bad spec: participation_cap must be in (0, 1]")
            << cap;
    }
}

TEST(EngineValidation, ImpactCoefficient) {
    const std::pair<double, bool> cases[] = {{0.0, true},      {-0.0, true},  {1e300, true}, {-1e-300, false},
                                             {kInf, false},    {kNaN, false}, {-kInf, false}};
    for (auto [coef, ok] : cases) {
        for (BookModel model : {linear_impact(coef), square_root(coef)}) {
            ImpactSpec spec = base_spec();
            spec.book_model = model;
            EXPECT_EQ(run_error(spec, data_of(flat_candles({1})), known_source()),
                      ok ? "ok" : "bad spec: impact coef must be finite and >= 0")
                << coef;
        }
    }
    // The walk has no coefficient; a stray one is not looked at.
    ImpactSpec spec = base_spec();
    spec.book_model = walk();
    spec.book_model.coef = kNaN;
    RunData d = data_of(flat_candles({1}));
    d.books = std::vector<OrderBook>(1);
    EXPECT_EQ(run_error(spec, d, known_source()), "ok");
}

TEST(EngineValidation, SlippageMustBeZeroFixedBps) {
    struct Case {
        Slippage::Kind kind;
        double value;
        bool ok;
    };
    const Case cases[] = {
        {Slippage::Kind::FixedBps, 0.0, true},       {Slippage::Kind::FixedBps, -0.0, true},
        {Slippage::Kind::FixedBps, 0.5, false},      {Slippage::Kind::FixedBps, kNaN, false},
        {Slippage::Kind::Spread, 0.0, false},        {Slippage::Kind::VolumeImpact, 0.0, false},
        {Slippage::Kind::VolumeImpact, 1.0, false},
    };
    for (const Case& c : cases) {
        ImpactSpec spec = base_spec();
        spec.strategy.costs.slippage = Slippage{c.kind, c.value};
        EXPECT_EQ(run_error(spec, data_of(flat_candles({1})), known_source()),
                  c.ok ? "ok" : "bad spec: impact runs override slippage; remove costs.slippage");
    }
}

TEST(EngineValidation, DataChecks) {
    ImpactSpec walk_spec = base_spec();
    walk_spec.book_model = walk(3);
    // No candles comes before the missing books.
    EXPECT_EQ(run_error(walk_spec, RunData{}, known_source()), "data: no candles");
    EXPECT_EQ(run_error(walk_spec, data_of(flat_candles({1})), known_source()),
              "data: orderbook_walk requires a book feed");
    // The impact models run without books.
    EXPECT_EQ(run_error(base_spec(), data_of(flat_candles({1})), known_source()), "ok");
    ImpactSpec sq = base_spec();
    sq.book_model = square_root(0.1);
    EXPECT_EQ(run_error(sq, data_of(flat_candles({1})), known_source()), "ok");

    // A short reference is reported even when derivs are short too.
    RunData d = data_of(flat_candles({1, 2, 3}));
    d.reference = flat_candles({1, 2});
    d.derivs = std::vector<DerivativesTick>(1);
    EXPECT_EQ(run_error(base_spec(), d, known_source()), "data: reference length must match candles");
    d.reference = flat_candles({1, 2, 3, 4});
    EXPECT_EQ(run_error(base_spec(), d, known_source()), "data: reference length must match candles");
    d.reference.reset();
    EXPECT_EQ(run_error(base_spec(), d, known_source()), "data: derivs length must match candles");
    d.derivs.reset();
    d.trades = std::vector<std::vector<TradePrint>>(4);
    EXPECT_EQ(run_error(base_spec(), d, known_source()), "data: trades length must match candles");
    d.trades->resize(3);
    d.books = std::vector<OrderBook>(2);
    EXPECT_EQ(run_error(base_spec(), d, known_source()), "data: books length must match candles");
    d.books->resize(3);
    EXPECT_EQ(run_error(base_spec(), d, known_source()), "ok");
}

TEST(EngineValidation, ErrorKinds) {
    ImpactSpec spec = base_spec();
    spec.strategy.spec_version = 0;
    auto r = run_backtest(spec, data_of(flat_candles({1})), known_source());
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().kind, CommandError::Kind::BadSpec);
    EXPECT_EQ(r.error().detail, "invalid strategy spec: spec_version 0 is not supported; this build reads 1..=1");

    spec.strategy.spec_version = 4294967295u;
    r = run_backtest(spec, data_of(flat_candles({1})), known_source());
    EXPECT_EQ(r.error().detail,
              "invalid strategy spec: spec_version 4294967295 is not supported; this build reads 1..=1");

    r = run_backtest(base_spec(), RunData{}, known_source());
    EXPECT_EQ(r.error().kind, CommandError::Kind::Data);

    ImpactSpec tf = base_spec();
    tf.strategy.timeframe = "0d";
    r = run_backtest(tf, data_of(flat_candles({1})), known_source());
    EXPECT_EQ(r.error().kind, CommandError::Kind::BadSpec);
    EXPECT_EQ(r.error().detail, "timeframe count must be > 0: 0d");

    ImpactSpec bad = base_spec();
    bad.strategy.indicators["x"] = indicator("Bad");
    r = run_backtest(bad, data_of(flat_candles({1})), known_source());
    EXPECT_EQ(r.error().kind, CommandError::Kind::Backtest);
    EXPECT_EQ(r.error().display(), "backtest: invalid parameters for indicator Bad: missing parameter #0");
}

TEST(EngineValidation, DeclaredFeeds) {
    ScriptedSource src;
    ScriptedSource::Type kline;
    kline.feed = Feed::Kline;
    src.add("Kl", kline);
    ScriptedSource::Type book;
    book.feed = Feed::Orderbook;
    src.add("Bk", book);
    src.add("NoFeed", {});  // a name the feed table does not know

    ImpactSpec spec = base_spec();
    spec.strategy.indicators["k1"] = indicator("Kl", Feed::Kline);
    spec.strategy.indicators["k2"] = indicator("Kl");
    spec.strategy.indicators["z"] = indicator("NoFeed", Feed::CrossSection);
    RunData d = data_of(flat_candles({1}));
    d.trades = std::vector<std::vector<TradePrint>>(1);
    EXPECT_EQ(run_error(spec, d, src), "ok");

    // Visited in id order: "b..." before "k...".
    spec.strategy.indicators["k2"].feed = Feed::Trade;
    spec.strategy.indicators["bk"] = indicator("Bk", Feed::TradeQuote);
    EXPECT_EQ(run_error(spec, d, src),
              "bad spec: invalid strategy spec: indicator 'bk' (Bk) declares feed TradeQuote but consumes Orderbook");
    spec.strategy.indicators["bk"].feed = Feed::Derivatives;
    EXPECT_EQ(run_error(spec, d, src),
              "bad spec: invalid strategy spec: indicator 'bk' (Bk) declares feed Derivatives but consumes Orderbook");
    spec.strategy.indicators["bk"].feed.reset();
    EXPECT_EQ(run_error(spec, d, src),
              "bad spec: invalid strategy spec: indicator 'k2' (Kl) declares feed Trade but consumes Kline");
}

TEST(EngineValidation, ReferencesAreCheckedFirstAndWhole) {
    ImpactSpec spec = base_spec();
    spec.strategy.indicators["macd"] = indicator("Known");
    spec.strategy.entry = gt(ref("macd.signal"), ref("macd"));
    spec.strategy.exit = lt(ref("macd.anything.at.all"), num(0));
    EXPECT_EQ(run_error(spec, data_of(flat_candles({1})), known_source()), "ok");

    spec.strategy.spec_version = 2;
    spec.strategy.short_exit = all(gt(num(1), add(num(2), prev(ref("signal"), 3))));
    EXPECT_EQ(run_error(spec, data_of(flat_candles({1})), known_source()),
              "bad spec: rule references undeclared indicator: signal");

    // entry, then exit, then short_entry, then short_exit.
    spec.strategy.short_entry = gt(ref("se"), num(0));
    EXPECT_EQ(run_error(spec, data_of(flat_candles({1})), known_source()),
              "bad spec: rule references undeclared indicator: se");
    spec.strategy.exit = gt(ref("ex"), num(0));
    EXPECT_EQ(run_error(spec, data_of(flat_candles({1})), known_source()),
              "bad spec: rule references undeclared indicator: ex");
    spec.strategy.entry = gt(ref("Macd"), num(0));
    EXPECT_EQ(run_error(spec, data_of(flat_candles({1})), known_source()),
              "bad spec: rule references undeclared indicator: Macd");

    // The empty reference is undeclared unless an indicator has the empty id.
    spec = base_spec();
    spec.strategy.entry = gt(ref(""), num(0));
    EXPECT_EQ(run_error(spec, data_of(flat_candles({1})), known_source()),
              "bad spec: rule references undeclared indicator: ");
    spec.strategy.indicators[""] = indicator("Known");
    EXPECT_EQ(run_error(spec, data_of(flat_candles({1})), known_source()), "ok");
    // ".x" has the empty id part.
    spec.strategy.entry = gt(ref(".x"), num(0));
    EXPECT_EQ(run_error(spec, data_of(flat_candles({1})), known_source()), "ok");
}

TEST(EngineValidation, IndicatorsBuildInIdOrderAfterAllOtherChecks) {
    ScriptedSource src = known_source();
    ImpactSpec spec = base_spec();
    spec.strategy.indicators["b"] = indicator("Nope");
    spec.strategy.indicators["a"] = indicator("Known");
    spec.strategy.indicators["c"] = indicator("Known");
    spec.strategy.timeframe = "bad";
    EXPECT_EQ(run_error(spec, data_of(flat_candles({1})), src), "bad spec: timeframe bad count: bad");
    EXPECT_TRUE(src.built.empty());
    spec.strategy.timeframe = "5m";
    EXPECT_EQ(run_error(spec, data_of(flat_candles({1})), src), "backtest: unknown indicator type: Nope");
    ASSERT_EQ(src.built.size(), 1u);  // a, then b fails; c is never built
    EXPECT_EQ(src.built[0], "Known");
}

TEST(EngineValidation, RegistrySourceReportsUnknownTypes) {
    ImpactSpec spec = base_spec();
    spec.strategy.indicators["x"] = indicator("NoSuchIndicatorType");
    auto r = run_backtest(spec, data_of(flat_candles({1})), registry_indicator_source());
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().display(), "backtest: unknown indicator type: NoSuchIndicatorType");
    auto empty = run_backtest(base_spec(), data_of(flat_candles({1})), registry_indicator_source());
    EXPECT_TRUE(empty.has_value());
}

}  // namespace
}  // namespace prynox

namespace prynox {
namespace {

TEST(EngineErrors, DisplayTexts) {
    EXPECT_EQ(EngineError::invalid_spec("m").display(), "invalid strategy spec: m");
    EXPECT_EQ(EngineError::unknown_indicator("").display(), "unknown indicator type: ");
    EXPECT_EQ(EngineError::invalid_parameters("Rsi", "parameter #0 must be finite").display(),
              "invalid parameters for indicator Rsi: parameter #0 must be finite");
    EXPECT_EQ(EngineError::undeclared_indicator("rsi.k").display(), "rule references undeclared indicator: rsi.k");
    EXPECT_EQ(EngineError::invalid_input("invalid trade: x").display(), "invalid input data: invalid trade: x");
    const CommandError c = backtest_error(EngineError::unknown_indicator("Q\"\\\n"));
    EXPECT_EQ(c.kind, CommandError::Kind::Backtest);
    EXPECT_EQ(c.display(), "backtest: unknown indicator type: Q\"\\\n");
}

}  // namespace
}  // namespace prynox
