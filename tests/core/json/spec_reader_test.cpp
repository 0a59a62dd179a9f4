#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "json_test_support.hpp"

namespace prynox {
namespace {

using testing::spec_with;

std::string spec_parts(const std::string& entry, const std::string& sizing = R"({"type":"fixed_fraction","fraction":0.5})",
                       const std::string& book = R"({"kind":"linear_impact","coef":0.1})") {
    return R"({"strategy":{"symbol":"BTC","timeframe":"1h","indicators":{},"entry":)" + entry +
           R"(,"exit":{"lt":[{"price":"close"},1]},"sizing":)" + sizing + R"(},"book_model":)" + book + "}";
}

TEST(SpecReader, DefaultsAndValues) {
    for (bool text : {true, false}) {
        const std::string json = spec_with(
            R"(,"indicators":{"b":{"type":"Ema","params":[14,2.5],"feed":{"kline":null}},"a":["Sma"],"b":{"type":"Rsi"}},)"
            R"("short_entry":null,"warmup":null,"ref_symbol":null,"risk":{"stop_loss_pct":null,"take_profit_pct":3},)"
            R"("execution":{"order_type":{"stop_limit":null},"latency_bars":3})");
        std::optional<ImpactSpec> spec;
        if (text) {
            // a repeated key is refused on the text path; drop the second "b"
            std::string t = json;
            t.erase(t.find(R"(,"b":{"type":"Rsi"})"), std::string(R"(,"b":{"type":"Rsi"})").size());
            auto r = impact_spec_from_json(t);
            ASSERT_TRUE(r) << r.error().display();
            spec = std::move(*r);
        } else {
            spec = testing::value_spec(json);
            ASSERT_TRUE(spec);
        }
        const StrategySpec& s = spec->strategy;
        EXPECT_EQ(spec->participation_cap, 1.0);
        EXPECT_EQ(spec->latency_ms, 0u);
        EXPECT_EQ(s.spec_version, 1u);
        EXPECT_FALSE(s.ref_symbol);
        EXPECT_FALSE(s.short_entry);
        EXPECT_FALSE(s.warmup);
        ASSERT_EQ(s.indicators.size(), 2u);
        EXPECT_EQ(s.indicators.begin()->first, "a");
        EXPECT_EQ(s.indicators.at("a").type, "Sma");
        EXPECT_TRUE(s.indicators.at("a").params.empty());
        if (text) {
            EXPECT_EQ(s.indicators.at("b").type, "Ema");
            EXPECT_EQ(s.indicators.at("b").params, (std::vector<double>{14.0, 2.5}));
            EXPECT_EQ(s.indicators.at("b").feed, Feed::Kline);
        } else {
            EXPECT_EQ(s.indicators.at("b").type, "Rsi");  // the last declaration of an id wins
        }
        EXPECT_EQ(s.costs.maker_bps, 0.0);
        EXPECT_EQ(s.costs.slippage.kind, Slippage::Kind::FixedBps);
        EXPECT_EQ(s.costs.slippage.value, 0.0);
        EXPECT_FALSE(s.risk.stop_loss_pct);
        EXPECT_EQ(s.risk.take_profit_pct, 3.0);
        EXPECT_EQ(s.execution.order_type, OrderType::StopLimit);
        EXPECT_EQ(s.execution.fill_timing, FillTiming::NextOpen);
        EXPECT_EQ(s.execution.latency_bars, 3u);
        EXPECT_EQ(s.sizing.kind, Sizing::Kind::FixedFraction);
        EXPECT_EQ(s.sizing.value, 0.5);
        EXPECT_EQ(spec->book_model.kind, BookModel::Kind::LinearImpact);
        EXPECT_EQ(spec->book_model.coef, 0.1);
        EXPECT_EQ(s.entry.kind, Condition::Kind::Gt);
        ASSERT_EQ(s.entry.operands.size(), 2u);
        EXPECT_EQ(s.entry.operands[0].kind, Operand::Kind::Expr);
        EXPECT_EQ(s.entry.operands[0].expr->kind, Expr::Kind::Price);
        EXPECT_EQ(s.entry.operands[0].expr->price, PriceSource::Close);
        EXPECT_EQ(s.entry.operands[1].number, 1.0);
    }
}

TEST(SpecReader, TaggedRecordForms) {
    const std::string fraction = R"({"type":"fixed_fraction","fraction":0.5})", walk = R"({"kind":"orderbook_walk"})";
    const auto none = std::optional<std::uint64_t>{};
    const std::tuple<std::string, Sizing::Kind, double, std::uint32_t, std::string, BookModel::Kind, std::optional<std::uint64_t>>
        cases[] = {
            {fraction, Sizing::Kind::FixedFraction, 0.5, 0, walk, BookModel::Kind::OrderbookWalk, none},
            {R"(["fixed_fraction",0.5])", Sizing::Kind::FixedFraction, 0.5, 0,
             R"({"kind":"orderbook_walk","levels":null})", BookModel::Kind::OrderbookWalk, none},
            {R"({"fraction":0.5,"type":"fixed_fraction"})", Sizing::Kind::FixedFraction, 0.5, 0,
             R"({"levels":5,"kind":"orderbook_walk"})", BookModel::Kind::OrderbookWalk, 5},
            {R"({"type":"vol_target","lookback":20,"target_vol":2})", Sizing::Kind::VolTarget, 2.0, 20,
             R"({"kind":"orderbook_walk","levels":0})", BookModel::Kind::OrderbookWalk, 0},
            {R"(["risk_per_trade",1])", Sizing::Kind::RiskPerTrade, 1.0, 0, R"(["orderbook_walk"])", BookModel::Kind::OrderbookWalk, none},
            {fraction, Sizing::Kind::FixedFraction, 0.5, 0, R"({"kind":"square_root","coef":1})", BookModel::Kind::SquareRoot, none},
        };
    for (const auto& [sizing, kind, value, lookback, book, book_kind, levels] : cases) {
        const std::string json = spec_parts(R"({"gt":[1,1]})", sizing, book);
        auto t = impact_spec_from_json(json);
        ASSERT_TRUE(t) << t.error().display();
        auto v = testing::value_spec(json);
        ASSERT_TRUE(v) << json;
        for (const ImpactSpec* s : {&*t, &*v}) {
            EXPECT_EQ(s->strategy.sizing.kind, kind) << json;
            EXPECT_EQ(s->strategy.sizing.value, value) << json;
            EXPECT_EQ(s->strategy.sizing.lookback, lookback) << json;
            EXPECT_EQ(s->book_model.kind, book_kind) << json;
            EXPECT_EQ(s->book_model.levels, levels) << json;
        }
    }
    // a spread slippage ignores every other member
    auto s = impact_spec_from_json(spec_with(R"(,"costs":{"slippage":{"type":"spread","x":[1,{"y":null}]}})"));
    ASSERT_TRUE(s) << s.error().display();
    EXPECT_EQ(s->strategy.costs.slippage.kind, Slippage::Kind::Spread);
}

TEST(SpecReader, RuleForms) {
    auto entry_of = [](const std::string& rule) {
        auto r = impact_spec_from_json(spec_parts(rule));
        EXPECT_TRUE(r) << rule << ": " << (r ? "" : r.error().display());
        return r ? std::move(r->strategy.entry) : Condition{};
    };
    Condition c = entry_of(R"({"gt":["rsi","70"]})");
    EXPECT_EQ(c.operands[1].kind, Operand::Kind::Ref);
    EXPECT_EQ(c.operands[1].ref, "70");
    c = entry_of(R"({"rising":["ema",3]})");
    EXPECT_EQ(c.kind, Condition::Kind::Rising);
    EXPECT_EQ(c.count, 3u);
    c = entry_of(R"({"all":[]})");
    EXPECT_TRUE(c.children.empty());
    c = entry_of(R"({"bars_since_entry":{"ge":3}})");
    EXPECT_EQ(c.cmp, Cmp::Ge);
    EXPECT_EQ(c.count, 3u);
    c = entry_of(R"({"\u0067t":[{"prev":[{"price":{"close":null}},2]},{"div":["a",-1.5e3]}]})");
    EXPECT_EQ(c.kind, Condition::Kind::Gt);
    ASSERT_EQ(c.operands[0].kind, Operand::Kind::Expr);
    EXPECT_EQ(c.operands[0].expr->kind, Expr::Kind::Prev);
    EXPECT_EQ(c.operands[0].expr->count, 2u);
    EXPECT_EQ(c.operands[0].expr->a.expr->price, PriceSource::Close);
    EXPECT_EQ(c.operands[1].expr->b.number, -1500.0);
    c = entry_of(R"({"not":{"any":[{"in_position":false},{"between":["r",{"price":"hlc3"},9]}]}})");
    ASSERT_EQ(c.children.size(), 1u);
    ASSERT_EQ(c.children[0].children.size(), 2u);
    EXPECT_EQ(c.children[0].children[1].operands[1].expr->price, PriceSource::Hlc3);
}

}  // namespace
}  // namespace prynox
