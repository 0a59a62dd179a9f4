#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>
#include <tuple>

#include "engine_test_support.hpp"

namespace prynox {
namespace {

using namespace prynox::test;
using K = Sizing::Kind;

// What a scenario changes; by default a long of one unit signalled on bar 0 only, 2 bps maker
// and 10 bps taker, filled at the next open against books deep around each open.
struct Settings {
    Condition (*entry)() = first_bar;
    Condition (*exit)() = never;
    Condition (*short_entry)() = nullptr;
    Condition (*short_exit)() = nullptr;
    bool is_short = false;  // the signal of bar 0 goes short
    bool at_close = false;
    std::uint32_t latency_bars = 0;
    std::uint64_t latency_ms = 0;
    OrderType order = OrderType::Market;
    double offset = 0.0;  // both offsets, in percent
    std::optional<double> stop = {}, trail = {}, take = {}, leverage = {};
    bool liquidation = false;
    Sizing sizing = {K::FixedQty, 1.0, 0};
    std::optional<std::uint32_t> warmup = {};
    BookModel model = linear_impact(0.0);
    double cap = 1.0, taker_bps = 10.0;
    std::vector<OwnedBook> books = {};  // none: deep around each open
    bool no_books = false;
    bool funding = false;  // rate 0.001 at a mark of 100 on every bar but bar 3, whose tick fails its checks
    void (*indicators)(ScriptedSource&, StrategySpec&) = nullptr;  // scripted indicators and rules over them
};

// A closed trade as the report must hold it; a negative qty is a short.
struct Trade {
    std::size_t entry_bar, exit_bar;
    double entry_price, exit_price, qty;
    std::string_view reason;
};

struct Scenario {
    Settings settings;
    std::vector<std::vector<double>> bars;  // {price} or {open, high, low, close}
    std::vector<Trade> trades;
    std::vector<double> equity = {};                                          // when given, per bar
    ImpactStats impact = {std::numeric_limits<double>::quiet_NaN(), 0.0, 0};  // when given
};

std::vector<std::vector<double>> ramp(int n) {
    std::vector<std::vector<double>> out;
    for (int k = 0; k < n; ++k) out.push_back({10.0 + k});
    return out;
}
Condition close_is_12() { return eq(close(), num(12)); }
Condition close_is_13() { return eq(close(), num(13)); }
Condition close_is_99() { return eq(close(), num(99)); }
const std::vector<std::vector<double>> kVolBars = {{100}, {110}, {104.5}, {99}, {110}};
const OwnedBook kLadder{{{99, 4}, {98, 4}, {97, 4}}, {{100, 4}, {101, 4}, {102, 4}}};
// Declares the indicator `id` of a scripted type of the same name.
void use(ScriptedSource& src, StrategySpec& s, const char* id, ScriptedSource::Type type) {
    src.add(id, std::move(type));
    s.indicators[id] = indicator(id);
}

const Scenario kScenarios[] = {
    // A next-open entry fills latency_bars bars after the bar that follows its signal.
    {{}, ramp(8), {{1, 7, 11, 17, 1, "end"}}},
    {{.latency_bars = 2}, ramp(8), {{3, 7, 13, 17, 1, "end"}}},
    {{.latency_bars = 6}, ramp(8), {{7, 7, 17, 17, 1, "end"}}},
    {{.latency_bars = 7}, ramp(8), {}},
    {{.exit = always}, ramp(8), {{1, 2, 11, 12, 1, "signal"}}},
    // The exit rule first holds on bar 2; an exit already pending keeps its countdown while the
    // rule goes on holding, so it fills at the open of the second bar after.
    {{.exit = always, .latency_bars = 1}, ramp(8), {{2, 4, 12, 14, 1, "signal"}}},
    // bars_since_entry is 0 on the fill bar (1), counts on and is none while flat; in_position
    // tells whether a position is open.
    {{.entry = [] { return bars_since_entry(Cmp::Ge, 0); }}, ramp(8), {}},
    {{.entry = [] { return in_position(true); }}, ramp(8), {}},
    {{.exit = [] { return in_position(true); }}, ramp(8), {{1, 2, 11, 12, 1, "signal"}}},
    {{.exit = [] { return in_position(false); }}, ramp(8), {{1, 7, 11, 17, 1, "end"}}},
    {{.exit = [] { return bars_since_entry(Cmp::Eq, 0); }}, ramp(8), {{1, 2, 11, 12, 1, "signal"}}},
    {{.exit = [] { return bars_since_entry(Cmp::Eq, 2); }}, ramp(8), {{1, 4, 11, 14, 1, "signal"}}},
    {{.exit = [] { return not_(bars_since_entry(Cmp::Eq, 0)); }}, ramp(8), {{1, 3, 11, 13, 1, "signal"}}},
    {{.exit = [] { return bars_since_entry(Cmp::Gt, 2); }}, ramp(8), {{1, 5, 11, 15, 1, "signal"}}},
    {{.exit = [] { return bars_since_entry(Cmp::Ge, 3); }}, ramp(8), {{1, 5, 11, 15, 1, "signal"}}},
    {{.exit = [] { return bars_since_entry(Cmp::Le, 0); }}, ramp(8), {{1, 2, 11, 12, 1, "signal"}}},
    {{.exit = [] { return bars_since_entry(Cmp::Lt, 0); }}, ramp(8), {{1, 7, 11, 17, 1, "end"}}},
    // The long limit at half the close never triggers; while it waits the short entry, true on
    // every bar, is not even evaluated.
    {{.short_entry = always, .order = OrderType::Limit, .offset = -50}, ramp(8), {}},
    // stop_limit executes as a market order, with the taker fee.
    {{.order = OrderType::StopLimit, .offset = 5}, ramp(3), {{1, 2, 11, 12, 1, "end"}}},
    // A ms latency is counted in bars: bar 1's fill meets the depth 50 of bar 2's book,
    // 11 x (1 + 0.1 x 10 / 50); a fill bar past the last candle fills nothing.
    {{.latency_ms = 1, .sizing = {K::FixedQty, 10, 0}, .model = linear_impact(0.1),
      .books = {deep_book(9, 11, 20), deep_book(10, 12, 20), deep_book(11, 13, 50), deep_book(12, 14, 20)}},
     ramp(4), {{1, 3, 11.22, 13, 10, "end"}}},
    {{.entry = close_is_12, .latency_ms = 1}, ramp(4), {}},
    {{.latency_ms = std::numeric_limits<std::uint64_t>::max()}, ramp(4), {}},

    // Limit and stop entries signalled at the close 100 of bar 0, 1 % away: not reached on bar
    // 1, they fill on bar 2 at their price or at an open beyond it; only the limit pays the
    // maker rate.
    {{.order = OrderType::Limit, .offset = -1}, {{100}, {100, 100.5, 99.5, 100}, {100, 100.5, 99, 100}},
     {{2, 2, 99, 100, 1, "end"}}},
    {{.order = OrderType::Limit, .offset = -1}, {{100}, {97, 100.5, 96, 100}}, {{1, 1, 97, 100, 1, "end"}}},
    {{.order = OrderType::Stop, .offset = 1}, {{100}, {100, 100.9, 99, 100}, {100, 101, 99, 100}},
     {{2, 2, 101, 100, 1, "end"}}},
    {{.order = OrderType::Stop, .offset = 1}, {{100}, {103, 104, 102, 103}}, {{1, 1, 103, 103, 1, "end"}}},
    {{.is_short = true, .order = OrderType::Limit, .offset = 1}, {{100}, {100, 100.9, 99, 100}, {100, 101, 99, 100}},
     {{2, 2, 101, 100, -1, "end"}}},
    {{.is_short = true, .order = OrderType::Limit, .offset = 1}, {{100}, {104, 105, 103, 104}},
     {{1, 1, 104, 104, -1, "end"}}},
    {{.is_short = true, .order = OrderType::Stop, .offset = -1}, {{100}, {100, 101, 99.5, 100}, {100, 101, 99, 100}},
     {{2, 2, 99, 100, -1, "end"}}},
    {{.is_short = true, .order = OrderType::Stop, .offset = -1}, {{100}, {95, 96, 94, 95}},
     {{1, 1, 95, 95, -1, "end"}}},

    // Protective exits of a position opened at 100 on bar 1, tested against that bar's range
    // too, at their level or at an open that gapped through it; they do not touch the book.
    {{.stop = 5.0}, {{100}, {100, 101, 99, 100}, {90, 91, 88, 90}}, {{1, 2, 100, 90, 1, "stop_loss"}}, {},
     {0, 100, 0}},
    {{.stop = 5.0}, {{100}, {100, 101, 99, 100}, {98, 99, 95, 96}}, {{1, 2, 100, 95, 1, "stop_loss"}}},
    {{.stop = 5.0, .take = 10.0}, {{100}, {100, 111, 94, 100}}, {{1, 1, 100, 95, 1, "stop_loss"}}},
    {{.stop = 5.0, .trail = 10.0, .take = 10.0}, {{100}, {100, 111, 85, 100}}, {{1, 1, 100, 95, 1, "stop_loss"}}},
    {{.trail = 10.0, .take = 10.0}, {{100}, {100, 111, 99, 100}}, {{1, 1, 100, 99.9, 1, "trailing_stop"}}},
    {{.take = 10.0}, {{100}, {100, 111, 99, 100}}, {{1, 1, 100, 110.00000000000001, 1, "take_profit"}}},
    {{.take = 10.0}, {{100}, {100, 101, 99, 100}, {115, 116, 114, 115}}, {{1, 2, 100, 115, 1, "take_profit"}}},
    // The highest high since entry is 120: level 108.
    {{.trail = 10.0}, {{100}, {100, 105, 99, 104}, {110, 120, 109, 115}, {112, 113, 100, 101}},
     {{1, 3, 100, 108, 1, "trailing_stop"}}},
    {{.is_short = true, .stop = 5.0}, {{100}, {100, 101, 99, 100}, {103, 105, 102, 104}},
     {{1, 2, 100, 105, -1, "stop_loss"}}},
    {{.is_short = true, .stop = 5.0}, {{100}, {100, 101, 99, 100}, {107, 108, 106, 107}},
     {{1, 2, 100, 107, -1, "stop_loss"}}},
    {{.is_short = true, .take = 10.0}, {{100}, {100, 101, 99, 100}, {95, 96, 89, 92}},
     {{1, 2, 100, 90, -1, "take_profit"}}},
    {{.is_short = true, .take = 10.0}, {{100}, {100, 101, 99, 100}, {85, 86, 84, 85}},
     {{1, 2, 100, 85, -1, "take_profit"}}},
    // The lowest low since entry is 80: level 88.
    {{.is_short = true, .trail = 10.0}, {{100}, {100, 100.5, 95, 96}, {86, 87, 80, 85}, {86, 90, 85, 88}},
     {{1, 3, 100, 88, -1, "trailing_stop"}}},
    // 400 units at 100 on 10000 of cash: cash -30000, liquidation price 75, taken at 75 even
    // though the bar opens below it, unless the stop-loss fires first.
    {{.leverage = 5.0, .liquidation = true, .sizing = {K::FixedQty, 400, 0}, .taker_bps = 0},
     {{100}, {100, 101, 81, 90}, {70, 72, 60, 65}}, {{1, 2, 100, 75, 400, "liquidation"}}, {10000, 6000, 0}},
    {{.stop = 20.0, .leverage = 5.0, .liquidation = true, .sizing = {K::FixedQty, 400, 0}, .taker_bps = 0},
     {{100}, {100, 101, 81, 90}, {70, 72, 60, 65}}, {{1, 2, 100, 70, 400, "stop_loss"}}},
    // 100 units short at 100: cash 20000, liquidation price 200.
    {{.is_short = true, .liquidation = true, .sizing = {K::FixedQty, 100, 0}, .taker_bps = 0},
     {{100}, {100, 150, 99, 140}, {190, 260, 180, 250}}, {{1, 2, 100, 200, -100, "liquidation"}}},
    // Funding moves the cash on every bar with a valid tick on which the position is still open
    // after the protective exits (bars 1 and 2; bar 4 stops out), and shows in no trade or fee:
    // a long pays 0.001 x 100 x 2 a bar, a short receives it.
    {{.stop = 5.0, .sizing = {K::FixedQty, 2, 0}, .taker_bps = 0, .funding = true},
     {{100}, {100}, {100}, {100}, {100, 110, 90, 100}}, {{1, 4, 100, 95, 2, "stop_loss"}},
     {10000, 9999.8, 9999.599999999999, 9999.599999999999, 9989.599999999999}},
    {{.is_short = true, .stop = 5.0, .sizing = {K::FixedQty, 2, 0}, .taker_bps = 0, .funding = true},
     {{100}, {100}, {100}, {100}, {100, 110, 90, 100}}, {{1, 4, 100, 105, -2, "stop_loss"}},
     {10000, 10000.2, 10000.400000000001, 10000.400000000001, 9990.400000000001}},

    // Fills at the close go through the bar's own book: mids 10 and 13, no slippage.
    {{.exit = close_is_13, .at_close = true}, ramp(8), {{0, 3, 10, 13, 1, "signal"}}, {}, {0, 23, 0}},
    // The equity point comes before the rules, so the curve never sees this position; its trade
    // pays the taker fee twice. The entry fills at 100 against the mid 99 (the open).
    {{.at_close = true}, {{99, 101, 98, 100}}, {{0, 0, 100, 100, 1, "end"}}, {10000}, {101.01010101, 100, 0}},
    // The warm-up holds back the rules only: the signal of bar 3 fills on bar 4.
    {{.entry = always, .warmup = 3}, ramp(8), {{4, 7, 14, 17, 1, "end"}}},
    // The equity marks the position at each close; the end close at 30 adds no point.
    {{.entry = always}, {{10}, {20}, {30}}, {{1, 2, 20, 30, 1, "end"}}, {10000, 9999.98, 10009.98}},
    // A short leaves on the exit rule without short_exit, else on short_exit; the long entry is
    // tried first.
    {{.exit = close_is_13, .is_short = true}, ramp(8), {{1, 4, 11, 14, -1, "signal"}}},
    {{.exit = close_is_13, .short_exit = [] { return eq(close(), num(15)); }, .is_short = true}, ramp(8),
     {{1, 6, 11, 16, -1, "signal"}}},
    {{.exit = close_is_13, .short_entry = first_bar}, ramp(8), {{1, 4, 11, 14, 1, "signal"}}},
    // No asks on bar 1: the signal of bar 0 is spent, that of bar 1 fills on bar 2.
    {{.entry = always,
      .books = {deep_book(9.5, 10.5), {{{10.5, 1}}, {}}, deep_book(11.5, 12.5), deep_book(12.5, 13.5)}},
     ramp(4), {{2, 3, 12, 13, 1, "end"}}},
    {{.entry = always, .no_books = true}, ramp(8), {}},  // the impact models fill nothing without books
    // Two bars of latency: the entry at 11 meets the mid 13 of bar 3's book; the exit of bar 3
    // has no book and closes whole at the open, with slippage 0.
    {{.exit = close_is_12, .latency_ms = 60001, .sizing = {K::FixedQty, 2, 0}}, ramp(5),
     {{1, 3, 11, 13, 2, "signal"}}, {}, {-769.23076923, 48, 0}},
    // One bar of latency: entry at 11 against the mid 12, exit at 13 against the mid 14.
    {{.exit = close_is_12, .latency_ms = 60000, .sizing = {K::FixedQty, 2, 0}}, ramp(5),
     {{1, 3, 11, 13, 2, "signal"}}, {}, {-59.52380952, 48, 0}},
    // Half of the ladder's 12 units: 6 fill at 602 / 6 and the rest is dropped; the exit sells 4
    // at 99 and 2 at 98.
    {{.exit = [] { return eq(close(), num(103)); }, .sizing = {K::FixedQty, 10, 0}, .model = walk(), .cap = 0.5,
      .books = std::vector<OwnedBook>(4, kLadder)},
     {{100}, {100}, {103}, {104}}, {{1, 3, 100.33333333, 98.66666667, 6, "signal"}}, {},
     {83.7520938, 1194.00000002, 1}},
    // Filled on bar 3 (latency 2), exit signalled on 4, stopped out on 5; the pending exit is
    // dropped on 7, where the next entry is signalled, filled on 10.
    {{.entry = [] { return all(eq(close(), num(100)), in_position(false)); },
      .exit = [] { return eq(close(), num(101)); }, .latency_bars = 2, .stop = 5.0},
     {{100}, {100}, {100}, {100}, {101}, {100, 100, 90, 100}, {100}, {100}, {100}, {100}, {100}},
     {{3, 5, 100, 95, 1, "stop_loss"}, {10, 10, 100, 100, 1, "end"}}},
    // The warm-up is the largest of the indicators' unless one is given, even a smaller one.
    {{.entry = always, .at_close = true,
      .indicators = [](auto& src, auto& s) { use(src, s, "x", {.warmup = 5}); use(src, s, "y", {.warmup = 3}); }},
     ramp(7), {{5, 6, 15, 16, 1, "end"}}},
    {{.entry = always, .at_close = true, .warmup = 0,
      .indicators = [](auto& src, auto& s) { use(src, s, "x", {.warmup = 20}); }},
     ramp(7), {{0, 6, 10, 16, 1, "end"}}},
    // Outputs are stored only on bars where the value came: bar 0's "up" of 100 is not.
    {{.at_close = true,
      .indicators = [](auto& src, auto& s) {
          use(src, s, "bb", {.script = {{{}, {{"up", 100}}}, {5, {{"up", 8}, {"lo", 2}}}, {7, {{"up", 9}}}}});
          s.entry = any(all(gt(ref("bb.up"), ref("bb")), gt(ref("bb"), ref("bb.lo"))), gt(ref("bb.up"), num(50)));
          s.exit = gt(ref("bb.up"), num(8.5));
      }},
     ramp(4), {{1, 2, 11, 12, 1, "signal"}}},
    // "a" publishes an output "b"; the indicator "a.b" is updated after "a" (byte order), so
    // where both give a value the key "a.b" holds the main value of "a.b".
    {{.at_close = true,
      .indicators = [](auto& src, auto& s) {
          use(src, s, "a", {.script = {{1, {{"b", 10}}}, {1, {{"b", 10}}}, {1, {{"b", 10}}}}});
          use(src, s, "a.b", {.script = {{20}, {}, {20}}});
          s.entry = eq(ref("a.b"), num(10));
          s.exit = eq(ref("a.b"), num(20));
      }},
     ramp(3), {{1, 2, 11, 12, 1, "signal"}}},
    // A name given twice in one list keeps its later value.
    {{.at_close = true,
      .indicators = [](auto& src, auto& s) {
          use(src, s, "d", {.script = {{1, {{"k", 1}, {"k", 2}}}}});
          s.entry = eq(ref("d.k"), num(2));
      }},
     ramp(1), {{0, 0, 10, 10, 1, "end"}}},
    // A key whose name the type does not publish is missing on every bar; the empty name is a
    // name like any other.
    {{.at_close = true,
      .indicators = [](auto& src, auto& s) {
          use(src, s, "t",
              {.script = {{1, {{"up", 5}, {"", 1}}}, {1, {{"up", 6}, {"", 7}}}, {1, {{"up", 5}, {"", 1}}}}});
          s.entry = all(eq(ref("t.up"), num(6)), not_(gt(ref("t.lo"), num(-1e300))));
          s.exit = eq(ref("t."), num(1));
      }},
     ramp(3), {{1, 2, 11, 12, 1, "signal"}}},
    // vol_target 0.2 over 4 closes: the returns of 100, 110, 104.5, 99 have a deviation of
    // 0.0713390372327981; a next-open fill sees the bars before it, one at the close its own.
    {{.entry = close_is_99, .leverage = 1e6, .sizing = {K::VolTarget, 0.2, 4}}, kVolBars,
     {{4, 4, 110, 110, 254.86492231, "end"}}},
    {{.entry = [] { return eq(close(), num(104.5)); }, .at_close = true, .leverage = 1e6,
      .sizing = {K::VolTarget, 0.2, 4}},
     kVolBars, {}},
    {{.entry = close_is_99, .at_close = true, .leverage = 1e6, .sizing = {K::VolTarget, 0.2, 4}}, kVolBars,
     {{3, 4, 99, 110, 283.18324701, "end"}}},
};

ImpactSpec spec_of(const Settings& o) {
    ImpactSpec spec = base_spec();
    StrategySpec& s = spec.strategy;
    s.entry = o.is_short ? never() : o.entry();
    s.exit = o.exit();
    if (o.is_short || o.short_entry) s.short_entry = o.is_short ? first_bar() : o.short_entry();
    if (o.short_exit) s.short_exit = o.short_exit();
    const FillTiming timing = o.at_close ? FillTiming::Close : FillTiming::NextOpen;
    s.execution = {o.order, timing, o.offset, o.offset, o.latency_bars, false, {}};
    s.risk = {o.stop, o.take, o.trail, o.leverage, {}, o.liquidation};
    s.costs = {2.0, o.taker_bps, {}, o.funding};
    s.sizing = o.sizing;
    s.warmup = o.warmup;
    spec.book_model = o.model;
    spec.participation_cap = o.cap;
    spec.latency_ms = o.latency_ms;
    return spec;
}

TEST(EngineBarLoop, Scenarios) {
    for (const Scenario& c : kScenarios) {
        SCOPED_TRACE(&c - kScenarios);
        const Settings& o = c.settings;
        RunData d = deep_data(bars(c.bars));
        if (!o.books.empty()) d.books = books_of(o.books);
        if (o.no_books) d.books.reset();
        if (o.funding) {
            d.derivs = std::vector<DerivativesTick>(d.candles.size(), {.funding_rate = 0.001, .mark_price = 100,
                                                                       .index_price = 100, .futures_price = 100});
            (*d.derivs)[3].mark_price = 0;
        }
        ImpactSpec spec = spec_of(o);
        ScriptedSource src;
        if (o.indicators != nullptr) o.indicators(src, spec.strategy);
        const RunResult r = run_ok(spec, d, src);
        // One equity point per candle; the end close adds none.
        ASSERT_EQ(r.report.equity.size(), d.candles.size());
        for (std::size_t k = 0; k < d.candles.size(); ++k) EXPECT_EQ(r.report.equity[k].time, bar_time(k));
        for (std::size_t k = 0; k < c.equity.size(); ++k) EXPECT_EQ(r.report.equity[k].equity, c.equity[k]) << k;
        ASSERT_EQ(r.report.trades.size(), c.trades.size());
        const double taker = o.taker_bps / 10000.0;
        double fees = 0.0;
        for (std::size_t k = 0; k < c.trades.size(); ++k) {
            const Trade& w = c.trades[k];
            const TradeRecord& t = r.report.trades[k];
            const double entry_rate = o.order == OrderType::Limit ? 2.0 / 10000.0 : taker;  // a limit fills as maker
            const double entry_fee = entry_rate * std::fabs(w.qty) * w.entry_price;
            const double exit_fee = taker * std::fabs(w.qty) * w.exit_price;
            EXPECT_EQ(std::tie(t.entry_time, t.exit_time, t.entry_price, t.exit_price, t.qty, t.reason),
                      std::tuple(bar_time(w.entry_bar), bar_time(w.exit_bar), w.entry_price, w.exit_price, w.qty,
                                 w.reason))
                << k;
            EXPECT_EQ(t.pnl, w.qty * (w.exit_price - w.entry_price) - entry_fee - exit_fee) << k;
            fees = fees + entry_fee + exit_fee;
        }
        EXPECT_EQ(r.report.fees_paid, fees);
        if (std::isnan(c.impact.avg_slippage_bps)) continue;
        EXPECT_EQ(std::tie(r.impact_stats.avg_slippage_bps, r.impact_stats.liquidity_consumed,
                           r.impact_stats.orders_partially_filled),
                  std::tie(c.impact.avg_slippage_bps, c.impact.liquidity_consumed, c.impact.orders_partially_filled));
    }
}

}  // namespace
}  // namespace prynox
