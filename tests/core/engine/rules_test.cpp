#include "core/engine/rules.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>

#include "engine_test_support.hpp"

namespace prynox {
namespace {

using namespace prynox::test;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// bar:    0    1  2  3  4  5  6  7  8
// close:  5    6  7  8  7  7  9  9  9
// ema:    2    1  2  0  1  0  2  3  3
// sma:    1    1  1  1  1  1  1  -  1
// x:      NaN  5  -  -  -  -  -  -  -
// Bar 2 has a volume of 30; bar 3 opens at 7.5 and has a high of 8.1 and a low of 7.2, so that
// another grouping of the price sums changes their last bit.
//
// Whether `rule` holds on each bar, as a text of 0 and 1: entered at the close of a bar where
// it holds and left at the close of one where it does not, the position is open after bar i
// exactly when the rule held on bar i.
std::string holds(Condition (*rule)()) {
    std::vector<Candle> candles = flat({5, 6, 7, 8, 7, 7, 9, 9, 9});
    candles[2].volume = 30;
    candles[3] = Candle{bar_time(3), 7.5, 8.1, 7.2, 8, 0};
    ScriptedSource src;
    src.add("Ema", {.script = {{2}, {1}, {2}, {0}, {1}, {0}, {2}, {3}, {3}}});
    src.add("Sma", {.script = {{1}, {1}, {1}, {1}, {1}, {1}, {1}, {std::nullopt}, {1}}});
    src.add("X", {.script = {{kNaN}, {5}}});
    ImpactSpec spec = base_spec();
    spec.strategy.indicators = {{"ema", indicator("Ema")}, {"sma", indicator("Sma")}, {"x", indicator("X")}};
    spec.strategy.entry = rule();
    spec.strategy.exit = not_(rule());
    spec.strategy.execution.fill_timing = FillTiming::Close;
    std::string out(candles.size(), '0');
    for (const TradeRecord& t : run_ok(spec, deep_data(candles), src).report.trades) {
        const bool open_at_end = t.reason == "end";
        for (std::int64_t i = t.entry_time / 60000; i < t.exit_time / 60000 + open_at_end; ++i) out[i] = '1';
    }
    return out;
}
// Exactly v: between is inclusive at both ends.
Condition is(Operand x, double v) { return between(std::move(x), num(v), num(v)); }

TEST(EngineRules, Conditions) {
    const struct {
        Condition (*rule)();
        const char* want;  // per bar from bar 0
    } cases[] = {
        {[] { return is(price(PriceSource::Hlc3), 7.766666666666667); }, "000100000"},
        {[] { return is(price(PriceSource::Ohlc4), 7.7); }, "000100000"},
        {[] { return is(price(PriceSource::Volume), 30); }, "001000000"},
        {[] { return is(prev(prev(close(), 1), 1), 5); }, "001000000"},  // prevs add up
        {[] { return is(sub(mul(close(), num(3)), add(num(1), num(0.5))), 16.5); }, "010000000"},
        // A divisor closer to zero than 2^-52 gives NaN, which fails every comparison.
        {[] { return ne(div(num(1), num(1e-16)), num(0)); }, "000000000"},
        {[] { return ne(div(num(1), num(-2e-16)), num(0)); }, "000000000"},
        {[] { return is(div(num(1), num(kEpsilon)), 4503599627370496); }, "111111111"},
        {[] { return gt(div(close(), num(0)), num(0)); }, "000000000"},
        {[] { return not_(gt(div(close(), num(0)), num(0))); }, "111111111"},
        // A missing operand makes the arithmetic over it missing, whichever side it is on.
        {[] { return ge(add(ref("x"), num(1)), num(0)); }, "010000000"},
        {[] { return ge(mul(num(2), ref("x")), num(0)); }, "010000000"},
        {[] { return eq(add(num(0.1), num(0.2)), num(0.3)); }, "111111111"},
        {[] { return eq(num(1e-17), num(0)); }, "111111111"},
        {[] { return ne(num(1e-17), num(0)); }, "000000000"},
        {[] { return eq(num(kEpsilon), num(0)); }, "000000000"},
        {[] { return ne(num(kEpsilon), num(0)); }, "111111111"},
        {[] { return ne(ref("x"), num(0)); }, "010000000"},  // NaN fails every comparison, ne too
        {[] { return eq(ref("x"), ref("x")); }, "010000000"},
        {[] { return ge(num(2), num(2)); }, "111111111"},
        {[] { return le(num(2), num(2)); }, "111111111"},
        {[] { return lt(num(2), num(2)); }, "000000000"},
        {[] { return between(close(), num(7), num(7)); }, "001011000"},
        {[] { return between(close(), num(kNaN), num(200)); }, "000000000"},
        // Bar 0 never crosses; leaving a touch counts, touching does not; a missing value on
        // this bar or the one before (bars 7 and 8) makes no cross.
        {[] { return cross_above(ref("ema"), ref("sma")); }, "001000100"},
        {[] { return cross_below(ref("ema"), ref("sma")); }, "000101000"},
        {[] { return rising(close(), 3); }, "000110111"},
        {[] { return rising(close(), 0); }, "000000000"},
        {[] { return falling(close(), 0); }, "000000000"},
        {[] { return falling(close(), 1); }, "000010000"},
        {[] { return gt(close(), prev(close(), 1)); }, "011100100"},
        {[] { return not_(gt(ref("x"), num(1))); }, "101111111"},
        {[] { return not_(not_(gt(ref("x"), num(1)))); }, "010000000"},
        {[] { return not_(not_(not_(gt(ref("x"), num(1))))); }, "101111111"},
        {[] { return all(); }, "111111111"},
        {[] { return any(); }, "000000000"},
        {[] { return not_(all()); }, "000000000"},
        {[] { return not_(any()); }, "111111111"},
        // Each element keeps its own negation.
        {[] {
             return all(not_(gt(ref("x"), num(1))),
                        any(gt(num(1), num(2)), not_(lt(num(1), num(2))), ge(num(3), num(3))));
         },
         "101111111"},
        {[] { return any(gt(num(1), num(2)), not_(all())); }, "000000000"},
        {[] { return gt(ref("ema.k"), num(-1e300)); }, "000000000"},  // an output nobody publishes
        // A key nobody writes has no column and is folded away, around what still depends on the bar.
        {[] { return any(gt(ref("ema.k"), num(0)), is(close(), 7)); }, "001011000"},
        {[] { return any(not_(gt(ref("ema.k"), num(0))), is(close(), 7)); }, "111111111"},
        {[] { return all(not_(lt(ref("ema.k"), num(0))), is(close(), 9)); }, "000000111"},
        {[] { return all(is(close(), 9), cross_above(ref("ema.k"), close())); }, "000000000"},
        {[] { return not_(all(between(close(), num(0), ref("sma.k")), ge(ref("ema"), num(2)))); }, "111111111"},
        {[] { return any(rising(add(num(1), ref("ema.k")), 1), falling(close(), 1)); }, "000010000"},
        {[] { return all(any(eq(ref("x.k"), ref("x.k")), gt(ref("ema"), num(1))), not_(lt(close(), num(6)))); },
         "001000111"},
    };
    for (const auto& c : cases) EXPECT_EQ(holds(c.rule), c.want) << &c - cases;
}

// Only written keys get history columns, numbered in slot order.
TEST(EngineRules, ColumnsOnlyForWrittenKeys) {
    RuleProgram program;
    const Condition rule = any(gt(ref("a.x1"), ref("a")), lt(ref("a.x2"), ref("b")), gt(ref("a.x3"), num(0)));
    program.add_rule(rule);
    ASSERT_EQ(program.slot_count(), 5u);
    std::vector<bool> written(5, false);
    written[program.find_slot("a")] = written[program.find_slot("b")] = true;
    const auto column = program.keep_written_slots(written);
    EXPECT_EQ(program.column_count(), 2u);
    EXPECT_EQ(column[program.find_slot("a")], 0u);
    EXPECT_EQ(column[program.find_slot("b")], 1u);
    EXPECT_EQ(column[program.find_slot("a.x3")], RuleProgram::kNoSlot);
}

TEST(EngineValueHistory, SlotsPastTheFirstWordOfPresenceBits) {
    ValueHistory h(70, 1, 0);
    double v = 0.0;
    h.begin_bar(0);
    h.set(0, 69, 4.5);
    EXPECT_TRUE(h.get(0, 69, v));
    EXPECT_EQ(v, 4.5);
    EXPECT_FALSE(h.get(0, 5, v));
}

TEST(EngineRules, UndeclaredReferenceWalkOrder) {
    const std::map<std::string, IndicatorSpec> declared = {{"a", indicator("T")}, {"a.b", indicator("T")}};
    const DeclaredIds ids(declared);  // views of the map's keys
    const struct {
        Condition (*make)();
        const char* want;  // the reference reported; empty: passes
    } cases[] = {
        {[] { return between(ref("a"), ref("lo"), ref("hi")); }, "lo"},
        {[] { return between(ref("x"), ref("lo"), ref("hi")); }, "x"},
        {[] { return between(ref("a"), ref("a"), ref("hi")); }, "hi"},
        {[] { return rising(div(ref("a.z"), ref("q.z")), 2); }, "q.z"},
        {[] { return not_(any(gt(num(1), num(2)), lt(ref("first"), ref("second")))); }, "first"},
        {[] { return all(in_position(true), bars_since_entry(Cmp::Eq, 1), gt(prev(ref("p"), 1), ref("r"))); }, "p"},
        {[] { return gt(sub(ref("a"), ref("A")), num(0)); }, "A"},  // compared byte for byte
        {[] { return gt(ref("a.b.c"), ref("a.")); }, ""},           // only the part before the first point
        {[] { return gt(ref("b.a"), num(0)); }, "b.a"},
        {[] { return gt(price(PriceSource::Close), num(0)); }, ""},
        {[] { return gt(ref("we\"ird\\\n.x"), num(0)); }, "we\"ird\\\n.x"},  // the text stands unchanged
    };
    for (const auto& c : cases) {
        const auto err = first_undeclared_reference(c.make(), ids);
        const std::string want = *c.want ? "rule references undeclared indicator: " + std::string(c.want) : "";
        EXPECT_EQ(err ? err->display() : "", want);
    }
}

}  // namespace
}  // namespace prynox
