#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "core/engine/backtest.hpp"
#include "core/engine/run_validation.hpp"
#include "core/engine/timeframe.hpp"
#include "engine_test_support.hpp"

namespace prynox {
namespace {

using namespace prynox::test;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const std::string kInvalid = "bad spec: invalid strategy spec: ";
const std::string kStopLimit = "stop_limit order_type requires both execution.stop_offset_pct and" +
                               std::string(22, ' ') + "execution.limit_offset_pct";

ScriptedSource known_source() {
    ScriptedSource src;
    src.add("Known", {.feed = Feed::Kline});
    src.add("Book", {.feed = Feed::Orderbook});
    src.add("NoFeed", {});  // a name the feed table does not know
    return src;
}
std::string run_error(const ImpactSpec& spec, const RunData& data, const IndicatorSource& source = known_source()) {
    auto r = run_backtest(spec, data, source);
    return r ? "ok" : r.error().display();
}

// Every check of the table fails at first; mending them one at a time must walk through the
// refusals in the table's order. Nothing is built before the timeframe passes, and a failing
// build stops the others (c).
TEST(EngineValidation, ChecksRunInTableOrder) {
    ScriptedSource src = known_source();
    ImpactSpec spec = base_spec();
    StrategySpec& s = spec.strategy;
    s.indicators = {{"a", indicator("Known", Feed::Trade)}, {"b", indicator("Missing")}, {"c", indicator("Known")}};
    s.entry = gt(ref("ghost.k"), num(1));
    s.spec_version = 2;
    s.sizing = sizing(Sizing::Kind::RiskPerTrade, 1.0);
    s.execution = {OrderType::StopLimit, FillTiming::Close, 1.0, {}, 1, true, {}};
    s.costs.slippage.kind = Slippage::Kind::Spread;
    s.timeframe = "1M";
    spec.participation_cap = 0.0;
    spec.book_model = linear_impact(-1.0);
    RunData data{{}, 10000.0, {}, flat({1}), std::vector<DerivativesTick>(3), std::vector<std::vector<TradePrint>>(1)};
    const struct {
        std::string want;
        std::function<void()> mend;
        std::size_t built = 0;
    } steps[] = {
        {"bad spec: rule references undeclared indicator: ghost.k", [&] { s.entry = gt(ref("a.k"), num(1)); }},
        {kInvalid + "spec_version 2 is not supported; this build reads 1..=1", [&] { s.spec_version = 1; }},
        {kInvalid + "sizing risk_per_trade requires risk.stop_loss_pct: the position size is" + std::string(18, ' ') +
             "derived from the distance to the stop",
         [&] { s.risk.stop_loss_pct = 2.0; }},
        {kInvalid + "indicator 'a' (Known) declares feed Trade but consumes Kline",
         [&] { s.indicators["a"].feed = Feed::Kline; }},
        {kInvalid + kStopLimit, [&] { s.execution.stop_offset_pct = 1.0; }},
        {kInvalid + "partial_fills requires execution.max_participation", [&] { s.execution.max_participation = 0.5; }},
        {kInvalid + "fill_timing close requires a market order_type",
         [&] { s.execution.order_type = OrderType::Market; }},
        {kInvalid + "fill_timing close is incompatible with latency_bars", [&] { s.execution.latency_bars = 0; }},
        {"bad spec: participation_cap must be in (0, 1]", [&] { spec.participation_cap = 1.0; }},
        {"bad spec: impact coef must be finite and >= 0", [&] { spec.book_model = walk(); }},
        {"bad spec: impact runs override slippage; remove costs.slippage", [&] { s.costs.slippage = Slippage{}; }},
        {"data: no candles", [&] { data.candles = flat({100, 101}); }},
        {"data: orderbook_walk requires a book feed", [&] { data.books = books_of(std::vector<OwnedBook>(1)); }},
        {"data: books length must match candles", [&] { data.books = books_of(std::vector<OwnedBook>(2)); }},
        {"data: reference length must match candles", [&] { data.reference = flat({1, 2}); }},
        {"data: derivs length must match candles", [&] { data.derivs->resize(2); }},
        {"data: trades length must match candles", [&] { data.trades->resize(2); }},
        {"bad spec: timeframe bad unit: 1M", [&] { s.timeframe = " 1h "; }},
        {"backtest: unknown indicator type: Missing", [&] { s.indicators["b"].type = "Known"; }, 1},
        {"ok", [] {}, 3},
    };
    for (std::size_t k = 0; k < std::size(steps); ++k) {
        SCOPED_TRACE(k);
        src.built.clear();
        EXPECT_EQ(run_error(spec, data, src), steps[k].want);
        EXPECT_EQ(src.built.size(), steps[k].built);
        steps[k].mend();
    }
}

// A reference passes when the text before its first point is a declared id, compared byte for
// byte; the rules are checked first, in the order entry, exit, short_entry, short_exit.
TEST(EngineValidation, References) {
    const struct {
        const char *entry, *exit, *short_entry, *short_exit;  // the reference of each rule; null: no reference
        const char* declared;
        std::uint32_t spec_version;
        const char* want;  // the undeclared reference; null: accepted
    } cases[] = {
        {"macd.signal", "macd.anything.at.all", nullptr, nullptr, "macd", 1, nullptr},
        {nullptr, nullptr, nullptr, "signal", "macd", 2, "signal"},
        {nullptr, nullptr, "se", "sx", "macd", 1, "se"},
        {nullptr, "ex", "se", nullptr, "macd", 1, "ex"},
        {"Macd", "ex", nullptr, nullptr, "macd", 1, "Macd"},
        {"", nullptr, nullptr, nullptr, "macd", 1, ""},
        {"", ".x", nullptr, nullptr, "", 1, nullptr},
    };
    const auto rule = [](const char* reference) { return reference ? gt(ref(reference), num(0)) : never(); };
    for (const auto& c : cases) {
        ImpactSpec spec = base_spec();
        StrategySpec& s = spec.strategy;
        s.entry = rule(c.entry);
        s.exit = rule(c.exit);
        if (c.short_entry) s.short_entry = rule(c.short_entry);
        if (c.short_exit) s.short_exit = rule(c.short_exit);
        s.indicators = {{c.declared, indicator("Known")}};
        s.spec_version = c.spec_version;
        EXPECT_EQ(run_error(spec, data_of(flat({1}))),
                  c.want ? "bad spec: rule references undeclared indicator: " + std::string(c.want) : "ok");
    }
}

// One run per row on one candle; `setup` changes the base spec and data.
TEST(EngineValidation, StrategyAndData) {
    using enum OrderType;
    using enum FillTiming;
    const struct {
        void (*setup)(StrategySpec&, RunData&);
        std::string want;
    } cases[] = {
        // execution: order type, fill timing, limit and stop offsets, latency bars, partial fills.
        {[](auto& s, auto&) { s.execution = {Limit, NextOpen, {}, 1.0, 0, false, {}}; },
         kInvalid + "limit order_type requires execution.limit_offset_pct"},
        {[](auto& s, auto&) { s.execution = {Limit, NextOpen, 1.0, {}, 3, false, {}}; }, "ok"},
        {[](auto& s, auto&) { s.execution = {Stop, NextOpen, 1.0, {}, 0, false, {}}; },
         kInvalid + "stop order_type requires execution.stop_offset_pct"},
        {[](auto& s, auto&) { s.execution = {Stop, NextOpen, {}, 1.0, 0, false, {}}; }, "ok"},
        {[](auto& s, auto&) { s.execution = {StopLimit, NextOpen, 1.0, {}, 0, false, {}}; }, kInvalid + kStopLimit},
        {[](auto& s, auto&) { s.execution = {StopLimit, NextOpen, {}, 1.0, 0, false, {}}; }, kInvalid + kStopLimit},
        {[](auto& s, auto&) { s.execution = {StopLimit, NextOpen, {}, {}, 0, false, {}}; }, kInvalid + kStopLimit},
        {[](auto& s, auto&) { s.execution = {StopLimit, NextOpen, 1.0, 1.0, 0, false, {}}; }, "ok"},
        {[](auto& s, auto&) { s.spec_version = 0; },
         kInvalid + "spec_version 0 is not supported; this build reads 1..=1"},
        {[](auto& s, auto&) { s.spec_version = 4294967295u; },
         kInvalid + "spec_version 4294967295 is not supported; this build reads 1..=1"},
        // Declared feeds: absent, matching, or of a type the feed table does not know all pass.
        {[](auto& s, auto&) {
             s.indicators = {{"k1", indicator("Known", Feed::Kline)}, {"k2", indicator("Known")},
                             {"z", indicator("NoFeed", Feed::CrossSection)}};
         },
         "ok"},
        // Visited in id order: "bk" before "k2".
        {[](auto& s, auto&) {
             s.indicators = {{"k2", indicator("Known", Feed::Trade)}, {"bk", indicator("Book", Feed::TradeQuote)}};
         },
         kInvalid + "indicator 'bk' (Book) declares feed TradeQuote but consumes Orderbook"},
        {[](auto& s, auto&) { s.indicators = {{"bk", indicator("Book", Feed::Derivatives)}}; },
         kInvalid + "indicator 'bk' (Book) declares feed Derivatives but consumes Orderbook"},
        // A reference of the wrong length is reported before derivs of the wrong length.
        {[](auto&, auto& d) { d.reference = flat({1, 2}); d.derivs = std::vector<DerivativesTick>(3); },
         "data: reference length must match candles"},
        {[](auto&, auto& d) { d.reference = flat({}); }, "data: reference length must match candles"},
        {[](auto&, auto& d) { d.trades = std::vector<std::vector<TradePrint>>(2); },
         "data: trades length must match candles"},
        {[](auto&, auto& d) { d.books = books_of(std::vector<OwnedBook>(2)); }, "data: books length must match candles"},
    };
    for (const auto& c : cases) {
        ImpactSpec spec = base_spec();
        RunData d = data_of(flat({1}));
        c.setup(spec.strategy, d);
        EXPECT_EQ(run_error(spec, d), c.want);
    }
}

TEST(EngineValidation, ValueRanges) {
    const auto verdict = [](const ImpactSpec& spec) {
        RunData d = data_of(flat({1}));
        if (spec.book_model.kind == BookModel::Kind::OrderbookWalk) d.books = books_of(std::vector<OwnedBook>(1));  // only the walk needs books
        return run_error(spec, d);
    };
    ImpactSpec spec = base_spec();
    const std::pair<double, bool> caps[] = {{1.0, true},    {0.5, true},   {4.9e-324, true}, {0.0, false},
                                            {-0.0, false},  {-0.5, false}, {kNaN, false},    {kInf, false},
                                            {1.0000001, false}};
    for (auto [cap, ok] : caps) {
        spec.participation_cap = cap;
        EXPECT_EQ(verdict(spec), ok ? "ok" : "bad spec: participation_cap must be in (0, 1]") << cap;
    }
    spec = base_spec();
    const std::pair<double, bool> coefs[] = {{0.0, true},   {-0.0, true},   {1e300, true}, {-1e-300, false},
                                             {kInf, false}, {-kInf, false}, {kNaN, false}};
    for (auto [coef, ok] : coefs) {
        for (BookModel model : {linear_impact(coef), square_root(coef)}) {
            spec.book_model = model;
            EXPECT_EQ(verdict(spec), ok ? "ok" : "bad spec: impact coef must be finite and >= 0") << coef;
        }
    }
    spec.book_model = walk();
    spec.book_model.coef = kNaN;  // the walk has no coefficient; a stray one is not looked at
    EXPECT_EQ(verdict(spec), "ok");
    using enum Slippage::Kind;
    const std::pair<Slippage, bool> slips[] = {{{FixedBps, 0.0}, true},      {{FixedBps, -0.0}, true},
                                               {{FixedBps, 0.5}, false},     {{FixedBps, kNaN}, false},
                                               {{Spread, 0.0}, false},       {{VolumeImpact, 0.0}, false},
                                               {{VolumeImpact, 1.0}, false}};
    for (auto [slip, ok] : slips) {
        spec.strategy.costs.slippage = slip;
        EXPECT_EQ(verdict(spec), ok ? "ok" : "bad spec: impact runs override slippage; remove costs.slippage");
    }
}

// The one variant a run never reports, and a payload that stands unchanged in the text.
TEST(EngineErrors, DisplayTexts) {
    EXPECT_EQ(EngineError::invalid_input("invalid trade: x").display(), "invalid input data: invalid trade: x");
    EXPECT_EQ(backtest_error(EngineError::unknown_indicator("Q\"\\\n")).display(),
              "backtest: unknown indicator type: Q\"\\\n");
}

TEST(EngineTimeframe, MatrixOfOutcomes) {
    const struct {
        std::string text;
        std::uint64_t ms;     // when accepted
        std::string refusal;  // when refused
    } cases[] = {
        {"1m", 60000, ""},
        {"  15m  ", 900000, ""},
        {"05s", 5000, ""},
        {"1s", 1000, ""},
        {"2h", 7200000, ""},
        {"1d", 86400000, ""},
        {"1w", 604800000, ""},
        {"\t\n15m\r\x0b\x0c", 900000, ""},
        {"\xC2\xA0" "15m" "\xE3\x80\x80", 900000, ""},
        {"\xE2\x80\xA8" "3m" "\xC2\x85", 180000, ""},
        {"30500568904w", 18446744073139200000ull, ""},
        {"1M", 0, "timeframe bad unit: 1M"},
        {"1min", 0, "timeframe bad unit: 1min"},
        {"1.5h", 0, "timeframe bad unit: 1.5h"},
        {"1 h", 0, "timeframe bad unit: 1 h"},
        {"5mm", 0, "timeframe bad unit: 5mm"},
        {"5\xC3\xA9", 0, "timeframe bad unit: 5\xC3\xA9"},
        {"+1m", 0, "timeframe bad count: +1m"},
        {"-1m", 0, "timeframe bad count: -1m"},
        {"m", 0, "timeframe bad count: m"},
        {" m ", 0, "timeframe bad count: m"},
        {"", 0, "timeframe missing unit: "},
        {"   ", 0, "timeframe missing unit: "},
        {"15", 0, "timeframe missing unit: 15"},
        {" 15 ", 0, "timeframe missing unit: 15"},
        {"0d", 0, "timeframe count must be > 0: 0d"},
        {"000s", 0, "timeframe count must be > 0: 000s"},
        {"30500568905w", 0, "timeframe too long: 30500568905w"},
        {"18446744073709552s", 0, "timeframe too long: 18446744073709552s"},
        {"18446744073709551615s", 0, "timeframe too long: 18446744073709551615s"},
        {"18446744073709551616s", 0, "timeframe bad count: 18446744073709551616s"},
        {"99999999999999999999s", 0, "timeframe bad count: 99999999999999999999s"},
        {"00000000000000000000000001s", 1000, ""},
        {"\xC2\xA0", 0, "timeframe missing unit: "},
        // U+00A1 is not white space: it stays and is the unit.
        {"1\xC2\xA1", 0, "timeframe bad unit: 1\xC2\xA1"},
    };
    for (const auto& c : cases) {
        const auto r = timeframe_ms(c.text);
        EXPECT_EQ(r ? std::to_string(*r) : r.error(), c.refusal.empty() ? std::to_string(c.ms) : c.refusal) << c.text;
    }
}

}  // namespace
}  // namespace prynox
