#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine_test_support.hpp"

namespace prynox {
namespace {

using namespace prynox::test;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::shared_ptr<ScriptedIndicator::Log> new_log() { return std::make_shared<ScriptedIndicator::Log>(); }

TEST(EngineIndicators, BarContextCarriesOnlyCheckedInputs) {
    auto log = new_log();
    ScriptedSource src;
    ScriptedSource::Type t;
    t.log = log;
    src.add("Probe", t);

    ImpactSpec spec = base_spec();
    spec.strategy.indicators["p"] = indicator("Probe");
    RunData d = data_of(flat_candles({10, 11, 12}));
    d.reference = flat_candles({50, 51, 52});
    d.derivs = std::vector<DerivativesTick>(3);
    for (auto& tick : *d.derivs) {
        tick.mark_price = tick.index_price = tick.futures_price = 100;
    }
    (*d.derivs)[1].open_interest = -1;  // rejected
    d.books = std::vector<OrderBook>{deep_book(9, 11), deep_book(11, 11), deep_book(11, 13)};  // bar 1 crossed
    d.trades = std::vector<std::vector<TradePrint>>{
        {{10, 1, Side::Buy, 1}, {0, 1, Side::Sell, 2}, {11, 0, Side::Sell, 3}},
        {},
        {{12, 2, Side::Sell, 4}, {12.5, 1, Side::Buy, 5}},
    };
    run_ok(spec, d, src);

    ASSERT_EQ(log->contexts.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        const BarContext& c = log->contexts[k];
        EXPECT_EQ(c.candle, &d.candles[k]);
        ASSERT_TRUE(c.reference.has_value());
        EXPECT_EQ(*c.reference, 50.0 + static_cast<double>(k));
        EXPECT_EQ(c.cross_section, nullptr);
    }
    EXPECT_EQ(log->contexts[0].deriv, &(*d.derivs)[0]);
    EXPECT_EQ(log->contexts[1].deriv, nullptr);
    EXPECT_EQ(log->contexts[2].deriv, &(*d.derivs)[2]);
    EXPECT_EQ(log->contexts[0].book, &(*d.books)[0]);
    EXPECT_EQ(log->contexts[1].book, nullptr);
    EXPECT_EQ(log->contexts[2].book, &(*d.books)[2]);

    ASSERT_EQ(log->trades[0].size(), 2u);  // the zero-priced print is left out
    EXPECT_EQ(log->trades[0][0].timestamp, 1);
    EXPECT_EQ(log->trades[0][1].timestamp, 3);
    EXPECT_TRUE(log->trades[1].empty());
    ASSERT_EQ(log->trades[2].size(), 2u);
    EXPECT_EQ(log->trades[2][1].price, 12.5);
}

TEST(EngineIndicators, RunWithoutOptionalSeries) {
    auto log = new_log();
    ScriptedSource src;
    ScriptedSource::Type t;
    t.log = log;
    src.add("Probe", t);
    ImpactSpec spec = base_spec();
    spec.strategy.indicators["p"] = indicator("Probe");
    run_ok(spec, data_of(flat_candles({1, 2})), src);
    ASSERT_EQ(log->contexts.size(), 2u);
    for (const BarContext& c : log->contexts) {
        EXPECT_FALSE(c.reference.has_value());
        EXPECT_EQ(c.deriv, nullptr);
        EXPECT_EQ(c.book, nullptr);
        EXPECT_TRUE(c.trades.empty());
    }
}

TEST(EngineIndicators, UpdatedInIdOrderOnEveryBar) {
    auto log = new_log();
    ScriptedSource src;
    for (const char* name : {"TypeB", "TypeA", "TypeC"}) {
        ScriptedSource::Type t;
        t.log = log;
        src.add(name, t);
    }
    ImpactSpec spec = base_spec();
    spec.strategy.indicators["b"] = indicator("TypeA");
    spec.strategy.indicators["a"] = indicator("TypeB");
    spec.strategy.indicators["B"] = indicator("TypeC");
    run_ok(spec, data_of(flat_candles({1, 2})), src);
    const std::vector<std::string> expected = {"TypeC", "TypeB", "TypeA", "TypeC", "TypeB", "TypeA"};
    EXPECT_EQ(log->order, expected);
}

TEST(EngineIndicators, WarmupIsTheLargestUnlessGiven) {
    ScriptedSource src;
    src.add_values("W3", {}, 3);
    src.add_values("W5", {}, 5);
    ImpactSpec spec = base_spec();
    spec.strategy.indicators["x"] = indicator("W5");
    spec.strategy.indicators["y"] = indicator("W3");
    spec.strategy.entry = always();
    spec.strategy.execution.fill_timing = FillTiming::Close;
    RunResult r = run_ok(spec, deep_data(flat_candles({1, 2, 3, 4, 5, 6, 7})), src);
    ASSERT_EQ(r.report.trades.size(), 1u);
    EXPECT_EQ(r.report.trades[0].entry_time, bar_time(5));

    spec.strategy.warmup = 0;  // smaller than the indicators need, and still taken
    r = run_ok(spec, deep_data(flat_candles({1, 2, 3, 4, 5, 6, 7})), src);
    EXPECT_EQ(r.report.trades[0].entry_time, bar_time(0));
}

TEST(EngineIndicators, ValuesAndOutputsByKey) {
    auto log = new_log();
    ScriptedSource src;
    ScriptedSource::Type bands;
    bands.log = log;
    // bar 0: none; bar 1: value 5 with outputs; bar 2: value 7, upper 9; bar 3: none.
    bands.script = {
        {std::nullopt, {{"upper", 100}}},
        {5.0, {{"upper", 8}, {"lower", 2}}},
        {7.0, {{"upper", 9}, {"lower", 3}}},
        {std::nullopt, {}},
    };
    src.add("Bands", bands);
    ImpactSpec spec = base_spec();
    spec.strategy.indicators["bb"] = indicator("Bands");
    spec.strategy.entry = all(gt(ref("bb.upper"), ref("bb")), gt(ref("bb"), ref("bb.lower")));
    spec.strategy.exit = gt(ref("bb.upper"), num(8.5));
    spec.strategy.execution.fill_timing = FillTiming::Close;
    const RunResult r = run_ok(spec, deep_data(flat_candles({1, 2, 3, 4})), src);
    ASSERT_EQ(r.report.trades.size(), 1u);
    EXPECT_EQ(r.report.trades[0].entry_time, bar_time(1));
    EXPECT_EQ(r.report.trades[0].exit_time, bar_time(2));
    // outputs is asked for only after an update that gave a value.
    EXPECT_EQ(log->outputs_calls, 2u);
}

TEST(EngineIndicators, LaterWriterOfAKeyWins) {
    // "a" publishes an output named "b"; the indicator "a.b" is updated after "a" (byte order),
    // so on bars where both give a value the key "a.b" holds the main value of "a.b".
    ScriptedSource src;
    ScriptedSource::Type a;
    a.script = {{1.0, {{"b", 10}}}, {1.0, {{"b", 10}}}, {1.0, {{"b", 10}}}};
    src.add("A", a);
    src.add_values("AB", {20.0, std::nullopt, 20.0});
    ImpactSpec spec = base_spec();
    spec.strategy.indicators["a"] = indicator("A");
    spec.strategy.indicators["a.b"] = indicator("AB");
    spec.strategy.entry = eq(ref("a.b"), num(10));  // only where "a.b" gave nothing
    spec.strategy.exit = eq(ref("a.b"), num(20));
    spec.strategy.execution.fill_timing = FillTiming::Close;
    const RunResult r = run_ok(spec, deep_data(flat_candles({1, 2, 3})), src);
    ASSERT_EQ(r.report.trades.size(), 1u);
    EXPECT_EQ(r.report.trades[0].entry_time, bar_time(1));
    EXPECT_EQ(r.report.trades[0].exit_time, bar_time(2));

    // A name given twice in one list keeps its later value.
    ScriptedSource dup;
    ScriptedSource::Type d;
    d.script = {{1.0, {{"k", 1}, {"k", 2}}}};
    dup.add("D", d);
    ImpactSpec s2 = base_spec();
    s2.strategy.indicators["d"] = indicator("D");
    s2.strategy.entry = eq(ref("d.k"), num(2));
    s2.strategy.execution.fill_timing = FillTiming::Close;
    EXPECT_EQ(run_ok(s2, deep_data(flat_candles({1})), dup).report.trades.size(), 1u);
}

TEST(EngineIndicators, KeysBindToOutputPositionsOnce) {
    // Names are bound to list positions before the first bar: a key whose name the type does not
    // publish is missing on every bar, and the empty name is a name like any other.
    ScriptedSource src;
    ScriptedSource::Type t;
    t.script = {
        {1.0, {{"upper", 5}, {"", 1}}},
        {1.0, {{"upper", 6}, {"", 7}}},
        {1.0, {{"upper", 5}, {"", 1}}},
    };
    src.add("T", t);
    ImpactSpec spec = base_spec();
    spec.strategy.indicators["t"] = indicator("T");
    spec.strategy.entry = all(eq(ref("t.upper"), num(6)), not_(gt(ref("t.lower"), num(-1e300))));
    spec.strategy.exit = eq(ref("t."), num(1));
    spec.strategy.execution.fill_timing = FillTiming::Close;
    const RunResult r = run_ok(spec, deep_data(flat_candles({1, 2, 3})), src);
    ASSERT_EQ(r.report.trades.size(), 1u);
    EXPECT_EQ(r.report.trades[0].entry_time, bar_time(1));
    EXPECT_EQ(r.report.trades[0].exit_time, bar_time(2));
}

TEST(EngineIndicators, MissingValuesMakeComparisonsFalse) {
    ScriptedSource src;
    src.add_values("X", {1.0, std::nullopt, kNaN, 1.0});
    ImpactSpec spec = base_spec();
    spec.strategy.indicators["x"] = indicator("X");
    spec.strategy.entry = not_(gt(ref("x"), num(0)));  // true where x is missing or NaN
    spec.strategy.exit = always();
    spec.strategy.execution.fill_timing = FillTiming::Close;
    const RunResult r = run_ok(spec, deep_data(flat_candles({1, 2, 3, 4})), src);
    ASSERT_EQ(r.report.trades.size(), 1u);
    EXPECT_EQ(r.report.trades[0].entry_time, bar_time(1));
    EXPECT_EQ(r.report.trades[0].exit_time, bar_time(2));
}

// Rules that look a few bars back keep only a short ring of rows; values and gaps far into a
// long run must still be read from the right bar.
TEST(EngineIndicators, LookBackAcrossALongRun) {
    const std::size_t n = 300;
    std::vector<std::optional<double>> values(n);
    for (std::size_t k = 0; k < n; ++k) {
        if (k % 9 != 0) values[k] = static_cast<double>(k);
    }
    ScriptedSource src;
    src.add_values("X", values);
    ImpactSpec spec = base_spec();
    spec.strategy.indicators["x"] = indicator("X");
    spec.strategy.entry = eq(sub(ref("x"), prev(ref("x"), 5)), num(5));
    spec.strategy.exit = always();
    spec.strategy.execution.fill_timing = FillTiming::Close;
    std::vector<double> prices(n, 100.0);
    const RunResult r = run_ok(spec, deep_data(flat_candles(prices)), src);

    std::vector<std::int64_t> expected;
    bool open = false;
    for (std::size_t k = 0; k < n; ++k) {
        if (open) {
            open = false;  // the exit rule always holds
            continue;
        }
        if (k >= 5 && k % 9 != 0 && (k - 5) % 9 != 0) {
            expected.push_back(bar_time(k));
            open = true;
        }
    }
    ASSERT_EQ(r.report.trades.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(r.report.trades[k].entry_time, expected[k]) << k;
}

}  // namespace
}  // namespace prynox
