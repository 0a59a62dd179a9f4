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

// Candles and per-bar indicator values; rules are compiled first, then values are stored by key.
class RuleBench {
public:
    explicit RuleBench(std::vector<Candle> candles) : candles_(std::move(candles)) {}

    RuleProgram::Id rule(Condition c) {
        rules_.push_back(std::make_unique<Condition>(std::move(c)));
        return program_.add_rule(*rules_.back());
    }
    RuleProgram::Id operand(Operand o) {
        operands_.push_back(std::make_unique<Operand>(std::move(o)));
        return program_.add_operand(*operands_.back());
    }
    // Values by key and bar; bars without an entry have no value for the key.
    void set(const std::string& key, std::size_t bar, double v) { stored_[key][bar] = v; }

    bool holds(RuleProgram::Id id, std::size_t index, RuleContext ctx = {}) {
        fill();
        return program_.evaluate(id, view(), index + 1, index, ctx);
    }
    std::optional<double> value(RuleProgram::Id id, std::size_t index, std::size_t length) {
        fill();
        return program_.evaluate_operand(id, view(), length, index);
    }
    std::optional<double> value(RuleProgram::Id id, std::size_t index) { return value(id, index, index + 1); }

    const RuleProgram& program() const { return program_; }

private:
    RuleView view() const { return RuleView{candles_, &history_}; }
    void fill() {
        history_ = ValueHistory(program_.slot_count(), candles_.size(), candles_.size());
        for (std::size_t bar = 0; bar < candles_.size(); ++bar) {
            history_.begin_bar(bar);
            for (const auto& [key, by_bar] : stored_) {
                const std::uint32_t slot = program_.find_slot(key);
                auto it = by_bar.find(bar);
                if (slot != RuleProgram::kNoSlot && it != by_bar.end()) history_.set(bar, slot, it->second);
            }
        }
    }

    std::vector<Candle> candles_;
    std::vector<std::unique_ptr<Condition>> rules_;
    std::vector<std::unique_ptr<Operand>> operands_;
    RuleProgram program_;
    ValueHistory history_;
    std::map<std::string, std::map<std::size_t, double>> stored_;
};

TEST(EngineRules, OperandValues) {
    RuleBench b({candle(0, 1, 8, 0.5, 2, 10), candle(1, 3, 9, 1, 4, 20), candle(2, 5, 10, 2, 6, 30)});
    const auto hlc3 = b.operand(price(PriceSource::Hlc3));
    const auto ohlc4 = b.operand(price(PriceSource::Ohlc4));
    const auto vol = b.operand(price(PriceSource::Volume));
    const auto p2 = b.operand(prev(prev(close(), 1), 1));
    const auto p3 = b.operand(prev(close(), 3));
    const auto tiny = b.operand(div(num(1), num(1e-16)));
    const auto at_eps = b.operand(div(num(1), num(kEpsilon)));
    const auto neg_tiny = b.operand(div(num(1), num(-2e-16)));
    const auto arith = b.operand(sub(mul(close(), num(3)), add(num(1), num(0.5))));
    const auto missing_first = b.operand(add(ref("x"), div(num(1), num(0))));
    const auto missing_second = b.operand(mul(num(2), ref("x")));
    const auto nan_ref = b.operand(add(ref("x"), num(1)));

    EXPECT_EQ(*b.value(hlc3, 0), ((8.0 + 0.5) + 2.0) / 3.0);
    EXPECT_EQ(*b.value(ohlc4, 1), (((3.0 + 9.0) + 1.0) + 4.0) * 0.25);
    EXPECT_EQ(*b.value(vol, 2), 30.0);
    EXPECT_EQ(*b.value(p2, 2), 2.0);  // prevs add up
    EXPECT_FALSE(b.value(p2, 1));
    EXPECT_FALSE(b.value(p3, 2));
    EXPECT_TRUE(std::isnan(*b.value(tiny, 0)));
    EXPECT_EQ(*b.value(at_eps, 0), 1.0 / kEpsilon);
    EXPECT_TRUE(std::isnan(*b.value(neg_tiny, 0)));
    EXPECT_EQ(*b.value(arith, 1), 4.0 * 3.0 - 1.5);
    EXPECT_FALSE(b.value(missing_first, 0));
    EXPECT_FALSE(b.value(missing_second, 0));
    // A NaN that an indicator gave is a value, not a missing one.
    b.set("x", 1, kNaN);
    EXPECT_TRUE(b.value(nan_ref, 1).has_value());
    EXPECT_TRUE(std::isnan(*b.value(nan_ref, 1)));
    EXPECT_FALSE(b.value(nan_ref, 0).has_value());
    // Past the history's length nothing is present, not even a number.
    const auto number = b.operand(num(7));
    EXPECT_EQ(*b.value(number, 2), 7.0);
    EXPECT_FALSE(b.value(number, 2, 2));
    EXPECT_FALSE(b.value(number, 3, 9));
}

TEST(EngineRules, ComparisonsFollowIeeeAndEpsilon) {
    RuleBench b(flat_candles({100, 99.5, 100}));
    const auto sum_eq = b.rule(eq(add(num(0.1), num(0.2)), num(0.3)));
    const auto tiny_eq = b.rule(eq(num(1e-17), num(0)));
    const auto tiny_ne = b.rule(ne(num(1e-17), num(0)));
    const auto eps_eq = b.rule(eq(num(kEpsilon), num(0)));
    const auto eps_ne = b.rule(ne(num(kEpsilon), num(0)));
    const auto nan_ne = b.rule(ne(ref("x"), num(0)));
    const auto nan_eq = b.rule(eq(ref("x"), ref("x")));
    const auto div0 = b.rule(gt(div(close(), num(0)), num(0)));
    const auto not_div0 = b.rule(not_(gt(div(close(), num(0)), num(0))));
    const auto ge_same = b.rule(ge(num(2), num(2)));
    const auto le_same = b.rule(le(num(2), num(2)));
    const auto lt_same = b.rule(lt(num(2), num(2)));
    const auto at100 = b.rule(between(close(), num(100), num(100)));
    const auto nan_bound = b.rule(between(close(), num(kNaN), num(200)));
    b.set("x", 0, kNaN);

    EXPECT_TRUE(b.holds(sum_eq, 0));
    EXPECT_TRUE(b.holds(tiny_eq, 0));
    EXPECT_FALSE(b.holds(tiny_ne, 0));
    EXPECT_FALSE(b.holds(eps_eq, 0));
    EXPECT_TRUE(b.holds(eps_ne, 0));
    EXPECT_FALSE(b.holds(nan_ne, 0));
    EXPECT_FALSE(b.holds(nan_eq, 0));
    EXPECT_FALSE(b.holds(div0, 0));
    EXPECT_TRUE(b.holds(not_div0, 0));
    EXPECT_TRUE(b.holds(ge_same, 0));
    EXPECT_TRUE(b.holds(le_same, 0));
    EXPECT_FALSE(b.holds(lt_same, 0));
    EXPECT_TRUE(b.holds(at100, 0));
    EXPECT_FALSE(b.holds(at100, 1));
    EXPECT_TRUE(b.holds(at100, 2));
    EXPECT_FALSE(b.holds(nan_bound, 0));
}

TEST(EngineRules, Crossings) {
    RuleBench b(flat_candles({1, 1, 1, 1, 1, 1}));
    const auto up = b.rule(cross_above(ref("ema"), ref("sma")));
    const auto down = b.rule(cross_below(ref("ema"), ref("sma")));
    // bar: ema, sma
    // 0: 2, 1 (above at once: bar 0 never crosses)
    // 1: 1, 1 (touch)
    // 2: 2, 1 (leaves from a touch: crosses above)
    // 3: 0, 1 (crosses below)
    // 4: 1, 1 (touch from below: not a cross)
    // 5: 3, -  (sma missing)
    const double ema[] = {2, 1, 2, 0, 1, 3};
    const double sma[] = {1, 1, 1, 1, 1};
    for (std::size_t k = 0; k < 6; ++k) b.set("ema", k, ema[k]);
    for (std::size_t k = 0; k < 5; ++k) b.set("sma", k, sma[k]);
    const bool expect_up[] = {false, false, true, false, false, false};
    const bool expect_down[] = {false, false, false, true, false, false};
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(b.holds(up, k), expect_up[k]) << k;
        EXPECT_EQ(b.holds(down, k), expect_down[k]) << k;
    }

    // The bar before is missing: no cross even though ema > sma now.
    RuleBench c(flat_candles({1, 1}));
    const auto up2 = c.rule(cross_above(ref("ema"), ref("sma")));
    c.set("ema", 0, 0);
    c.set("ema", 1, 2);
    c.set("sma", 1, 1);
    EXPECT_FALSE(c.holds(up2, 1));
    c.set("sma", 0, 1);
    EXPECT_TRUE(c.holds(up2, 1));
}

TEST(EngineRules, RisingFallingAndPrev) {
    RuleBench b(flat_candles({5, 6, 7, 8, 7}));
    const auto r3 = b.rule(rising(close(), 3));
    const auto r0 = b.rule(rising(close(), 0));
    const auto f0 = b.rule(falling(close(), 0));
    const auto f1 = b.rule(falling(close(), 1));
    const auto up_prev = b.rule(gt(close(), prev(close(), 1)));
    EXPECT_FALSE(b.holds(r3, 0));
    EXPECT_FALSE(b.holds(r3, 1));
    EXPECT_FALSE(b.holds(r3, 2));
    EXPECT_TRUE(b.holds(r3, 3));
    EXPECT_TRUE(b.holds(r3, 4));  // 7 > 6
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_FALSE(b.holds(r0, k));
        EXPECT_FALSE(b.holds(f0, k));
    }
    EXPECT_TRUE(b.holds(f1, 4));
    EXPECT_FALSE(b.holds(f1, 3));
    EXPECT_FALSE(b.holds(up_prev, 0));
    EXPECT_TRUE(b.holds(up_prev, 1));
    EXPECT_FALSE(b.holds(up_prev, 4));
    EXPECT_EQ(b.program().reach(), 3u);
}

TEST(EngineRules, NotAllAnyAndMissingValues) {
    RuleBench b(flat_candles({1, 1}));
    const auto not_missing = b.rule(not_(gt(ref("x"), num(1))));
    const auto not_not_missing = b.rule(not_(not_(gt(ref("x"), num(1)))));
    const auto triple = b.rule(not_(not_(not_(gt(ref("x"), num(1))))));
    const auto empty_all = b.rule(all());
    const auto empty_any = b.rule(any());
    const auto not_all = b.rule(not_(all()));
    const auto not_any = b.rule(not_(any()));
    // Each element keeps its own negation.
    const auto mixed = b.rule(all(not_(gt(ref("x"), num(1))), any(gt(num(1), num(2)), not_(lt(num(1), num(2))),
                                                                 ge(num(3), num(3)))));
    const auto any_false = b.rule(any(gt(num(1), num(2)), not_(all())));
    const auto never_published = b.rule(gt(ref("rsi.k"), num(-1e300)));
    b.set("x", 1, 5);

    EXPECT_TRUE(b.holds(not_missing, 0));
    EXPECT_FALSE(b.holds(not_missing, 1));
    EXPECT_FALSE(b.holds(not_not_missing, 0));
    EXPECT_TRUE(b.holds(not_not_missing, 1));
    EXPECT_TRUE(b.holds(triple, 0));
    EXPECT_TRUE(b.holds(empty_all, 0));
    EXPECT_FALSE(b.holds(empty_any, 0));
    EXPECT_FALSE(b.holds(not_all, 0));
    EXPECT_TRUE(b.holds(not_any, 0));
    EXPECT_TRUE(b.holds(mixed, 0));
    EXPECT_FALSE(b.holds(mixed, 1));
    EXPECT_FALSE(b.holds(any_false, 0));
    EXPECT_FALSE(b.holds(never_published, 0));
    EXPECT_FALSE(b.holds(never_published, 1));
}

TEST(EngineRules, PositionContext) {
    RuleBench b(flat_candles({1}));
    const auto in_true = b.rule(in_position(true));
    const auto in_false = b.rule(in_position(false));
    struct Case {
        Cmp cmp;
        std::uint32_t n;
        std::optional<std::uint32_t> k;
        bool expected;
    };
    const Case cases[] = {
        {Cmp::Ge, 0, std::nullopt, false}, {Cmp::Ge, 0, 0, true},   {Cmp::Eq, 0, 0, true},
        {Cmp::Eq, 1, 0, false},            {Cmp::Gt, 2, 3, true},   {Cmp::Gt, 3, 3, false},
        {Cmp::Lt, 3, 2, true},             {Cmp::Lt, 2, 2, false},  {Cmp::Le, 2, 2, true},
        {Cmp::Le, 1, 2, false},            {Cmp::Ge, 4294967295u, 4294967295u, true},
        {Cmp::Lt, 0, std::nullopt, false},
    };
    std::vector<RuleProgram::Id> ids;
    for (const Case& c : cases) ids.push_back(b.rule(bars_since_entry(c.cmp, c.n)));
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        RuleContext ctx;
        ctx.bars_since_entry = cases[k].k;
        EXPECT_EQ(b.holds(ids[k], 0, ctx), cases[k].expected) << k;
    }
    RuleContext open;
    open.in_position = true;
    EXPECT_TRUE(b.holds(in_true, 0, open));
    EXPECT_FALSE(b.holds(in_false, 0, open));
    EXPECT_FALSE(b.holds(in_true, 0, {}));
    EXPECT_TRUE(b.holds(in_false, 0, {}));
}

TEST(EngineRules, ReachCountsEveryStepBack) {
    RuleBench b(flat_candles({1}));
    b.rule(cross_above(prev(close(), 4), num(0)));
    EXPECT_EQ(b.program().reach(), 5u);
    b.rule(falling(add(num(1), prev(prev(close(), 2), 3)), 10));
    EXPECT_EQ(b.program().reach(), 15u);
    b.rule(rising(prev(close(), 4294967295u), 4294967295u));
    EXPECT_EQ(b.program().reach(), 8589934590u);
}

TEST(EngineRules, SameReferenceSharesOneSlot) {
    RuleBench b(flat_candles({1}));
    b.rule(gt(ref("a"), ref("a.b")));
    b.rule(all(lt(ref("a"), num(3)), gt(ref("c"), ref("a.b"))));
    EXPECT_EQ(b.program().slot_count(), 3u);
    EXPECT_EQ(b.program().slot_key(b.program().find_slot("a.b")), "a.b");
    EXPECT_EQ(b.program().find_slot("zz"), RuleProgram::kNoSlot);
}

TEST(EngineRules, UndeclaredReferenceWalkOrder) {
    std::map<std::string, IndicatorSpec> declared_map;
    declared_map["a"] = indicator("T");
    declared_map["a.b"] = indicator("T");
    const DeclaredIds ids(declared_map);
    struct Case {
        Condition rule;
        std::string expected;  // empty: passes
    };
    std::vector<Case> cases;
    cases.push_back({between(ref("a"), ref("lo"), ref("hi")), "lo"});
    cases.push_back({between(ref("x"), ref("lo"), ref("hi")), "x"});
    cases.push_back({rising(div(ref("a.z"), ref("q.z")), 2), "q.z"});
    cases.push_back({not_(any(gt(num(1), num(2)), lt(ref("first"), ref("second")))), "first"});
    cases.push_back({all(in_position(true), bars_since_entry(Cmp::Eq, 1), gt(prev(ref("p"), 1), ref("r"))), "p"});
    cases.push_back({gt(sub(ref("a"), ref("A")), num(0)), "A"});
    cases.push_back({gt(ref("a.b.c"), ref("a.")), ""});
    cases.push_back({gt(ref("b.a"), num(0)), "b.a"});
    cases.push_back({gt(price(PriceSource::Close), num(0)), ""});
    for (const Case& c : cases) {
        const auto err = first_undeclared_reference(c.rule, ids);
        if (c.expected.empty()) {
            EXPECT_FALSE(err.has_value()) << err->display();
        } else {
            ASSERT_TRUE(err.has_value()) << c.expected;
            EXPECT_EQ(err->kind, EngineError::Kind::UndeclaredIndicator);
            EXPECT_EQ(err->display(), "rule references undeclared indicator: " + c.expected);
        }
    }
    // Texts with quotes, backslashes and line feeds stand unchanged in the display.
    const auto err = check_operand_reference(ref("we\"ird\\\n.x"), ids);
    ASSERT_TRUE(err);
    EXPECT_EQ(err->display(), "rule references undeclared indicator: we\"ird\\\n.x");
}

TEST(EngineValueHistory, KeepsOnlyTheRowsRulesReach) {
    ValueHistory full(3, 10, 9);
    EXPECT_EQ(full.rows(), 10u);
    ValueHistory ring(3, 1000, 5);
    EXPECT_EQ(ring.rows(), 8u);
    ValueHistory none(0, 1000, 5);
    EXPECT_EQ(none.rows(), 0u);
    ValueHistory one(70, 1000, 0);
    EXPECT_EQ(one.rows(), 1u);

    // A row reused by the ring starts empty.
    for (std::size_t bar = 0; bar < 20; ++bar) {
        ring.begin_bar(bar);
        if (bar % 2 == 0) ring.set(bar, 1, static_cast<double>(bar));
    }
    double v = 0.0;
    for (std::size_t bar = 12; bar < 20; ++bar) {
        EXPECT_EQ(ring.get(bar, 1, v), bar % 2 == 0) << bar;
        if (bar % 2 == 0) {
            EXPECT_EQ(v, static_cast<double>(bar));
        }
        EXPECT_FALSE(ring.get(bar, 0, v));
    }
    // Slots past the first word of presence bits.
    one.begin_bar(0);
    one.set(0, 69, 4.5);
    EXPECT_TRUE(one.get(0, 69, v));
    EXPECT_EQ(v, 4.5);
    EXPECT_FALSE(one.get(0, 5, v));
}

}  // namespace
}  // namespace prynox
