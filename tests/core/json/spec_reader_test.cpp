#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "json_test_support.hpp"

namespace prynox {
namespace {

using testing::spec_with;
using testing::text_path;
using testing::value_path;

std::string strip_position(const std::string& s) {
    static const std::regex pos(" at line [0-9]+ column [0-9]+$");
    return std::regex_replace(s, pos, "");
}

std::string spec_parts(const std::string& entry, const std::string& sizing = R"({"type":"fixed_fraction","fraction":0.5})",
                       const std::string& book = R"({"kind":"linear_impact","coef":0.1})",
                       const std::string& extra = "") {
    return R"({"strategy":{"symbol":"BTC","timeframe":"1h","indicators":{},"entry":)" + entry +
           R"(,"exit":{"lt":[{"price":"close"},1]},"sizing":)" + sizing + extra + R"(},"book_model":)" + book + "}";
}

// Messages that are the same on both paths (apart from the position suffix of the text path).
struct BothPaths {
    std::string json;
    std::string message;
};

constexpr const char* kUntagged = "data did not match any variant of untagged enum Operand";
constexpr const char* kSixteen =
    "one of `gt`, `lt`, `ge`, `le`, `eq`, `ne`, `cross_above`, `cross_below`, `between`, `rising`, `falling`, "
    "`all`, `any`, `not`, `in_position`, `bars_since_entry`";

TEST(SpecReader, MessagesShared_By_BothPaths) {
    const BothPaths cases[] = {
        // scalars
        {spec_with(R"(,"spec_version":1.0)"), "invalid type: floating point `1.0`, expected u32"},
        {spec_with(R"(,"spec_version":-1)"), "invalid value: integer `-1`, expected u32"},
        {spec_with(R"(,"spec_version":4294967296)"), "invalid value: integer `4294967296`, expected u32"},
        {spec_with(R"(,"spec_version":-0)"), "invalid type: floating point `-0.0`, expected u32"},
        {spec_with(R"(,"spec_version":"1")"), "invalid type: string \"1\", expected u32"},
        {spec_with(R"(,"spec_version":true)"), "invalid type: boolean `true`, expected u32"},
        {spec_with(R"(,"spec_version":null)"), "invalid type: null, expected u32"},
        {spec_with(R"(,"spec_version":[])"), "invalid type: sequence, expected u32"},
        {spec_with(R"(,"spec_version":{})"), "invalid type: map, expected u32"},
        {spec_with(R"(,"warmup":1e3)"), "invalid type: floating point `1000.0`, expected u32"},
        {spec_with(R"(,"ref_symbol":5)"), "invalid type: integer `5`, expected a string"},
        {spec_with("", R"(,"latency_ms":-3)"), "invalid value: integer `-3`, expected u64"},
        {spec_with("", R"(,"latency_ms":18446744073709551616)"),
         "invalid type: floating point `1.8446744073709552e19`, expected u64"},
        {spec_with("", R"(,"participation_cap":"x\"\\\ty")"),
         "invalid type: string \"x\\\"\\\\\\ty\", expected f64"},
        // indicators
        {spec_with(R"(,"indicators":[])"), "invalid type: sequence, expected a map"},
        {spec_with(R"(,"indicators":{"a":{"type":"Sma","params":null}})"), "invalid type: null, expected a sequence"},
        {spec_with(R"(,"indicators":{"a":{"type":"Sma","params":["x"]}})"),
         "invalid type: string \"x\", expected f64"},
        {spec_with(R"(,"indicators":{"a":[]})"), "invalid length 0, expected struct IndicatorSpec with 3 elements"},
        {spec_with(R"(,"indicators":{"a":{"type":"Sma","feed":"Kline"}})"),
         "unknown variant `Kline`, expected one of `kline`, `trade`, `orderbook`, `trade_quote`, `derivatives`, "
         "`cross_section`"},
        {spec_with(R"(,"indicators":{"a":{"type":"Sma","feed":{"kline":1}}})"),
         "invalid type: integer `1`, expected unit"},
        {spec_with(R"(,"indicators":{"a":{"params":[]}})"), "missing field `type`"},
        {spec_with(R"(,"indicators":{"a":5})"), "invalid type: integer `5`, expected struct IndicatorSpec"},
        // settings
        {spec_with(R"(,"costs":null)"), "invalid type: null, expected struct Costs"},
        {spec_with(R"(,"risk":null)"), "invalid type: null, expected struct Risk"},
        {spec_with(R"(,"execution":5)"), "invalid type: integer `5`, expected struct Execution"},
        {spec_with(R"(,"risk":{"liquidation":1})"), "invalid type: integer `1`, expected a boolean"},
        {spec_with(R"(,"execution":{"latency_bars":3.0})"), "invalid type: floating point `3.0`, expected u32"},
        {spec_with(R"(,"execution":{"fill_timing":"open"})"),
         "unknown variant `open`, expected `next_open` or `close`"},
        {spec_with(R"(,"execution":{"order_type":"Market"})"),
         "unknown variant `Market`, expected one of `market`, `limit`, `stop`, `stop_limit`"},
        {spec_with(R"(,"execution":{"order_type":null})"), "__path_differs__"},
        {spec_with(R"(,"costs":{"slippage":null})"), "invalid type: null, expected internally tagged enum Slippage"},
        {spec_with(R"(,"costs":{"slippage":{"type":"volume_impact"}})"), "missing field `coef`"},
        {spec_with(R"(,"costs":{"slippage":["spread",1]})"), "invalid length 1, expected 0 elements in sequence"},
        {spec_with(R"(,"costs":{"slippage":["fixed_bps"]})"),
         "invalid length 0, expected struct variant Slippage::FixedBps with 1 element"},
        // sizing (tagged)
        {spec_parts(R"({"gt":[1,1]})", R"({"type":"fixed_qty"})"), "missing field `qty`"},
        {spec_parts(R"({"gt":[1,1]})", R"({"qty":1})"), "missing field `type`"},
        {spec_parts(R"({"gt":[1,1]})", R"([])"), "missing field `type`"},
        {spec_parts(R"({"gt":[1,1]})", R"({"type":"vol_target","target_vol":0.2,"lookback":20.5})"),
         "invalid type: floating point `20.5`, expected u32"},
        {spec_parts(R"({"gt":[1,1]})", R"({"type":"vol_target","target_vol":0.2,"lookback":-1})"),
         "invalid value: integer `-1`, expected u32"},
        {spec_parts(R"({"gt":[1,1]})", R"({"type":"fixed_cash","cash":"x","extra":1})"),
         "invalid type: string \"x\", expected f64"},
        {spec_parts(R"({"gt":[1,1]})", R"({"type":"fixed","fraction":1})"),
         "unknown variant `fixed`, expected one of `fixed_fraction`, `fixed_qty`, `fixed_cash`, `vol_target`, "
         "`risk_per_trade`"},
        {spec_parts(R"({"gt":[1,1]})", R"({"type":5})"), "invalid type: integer `5`, expected variant identifier"},
        {spec_parts(R"({"gt":[1,1]})", R"("fixed_qty")"),
         "invalid type: string \"fixed_qty\", expected internally tagged enum Sizing"},
        {spec_parts(R"({"gt":[1,1]})", R"(["vol_target",0.2])"),
         "invalid length 1, expected struct variant Sizing::VolTarget with 2 elements"},
        {spec_parts(R"({"gt":[1,1]})", R"(["fixed_qty",1,2])"), "invalid length 2, expected 1 element in sequence"},
        // book model (tagged by kind)
        {spec_parts(R"({"gt":[1,1]})", R"({"type":"fixed_qty","qty":1})", R"({"type":"linear_impact","coef":0.1})"),
         "missing field `kind`"},
        {spec_parts(R"({"gt":[1,1]})", R"({"type":"fixed_qty","qty":1})", R"({"kind":"square_root"})"),
         "missing field `coef`"},
        {spec_parts(R"({"gt":[1,1]})", R"({"type":"fixed_qty","qty":1})", R"({"kind":"orderbook_walk","levels":2.0})"),
         "invalid type: floating point `2.0`, expected usize"},
        {spec_parts(R"({"gt":[1,1]})", R"({"type":"fixed_qty","qty":1})", R"({"kind":"orderbook_walk","levels":-1})"),
         "invalid value: integer `-1`, expected usize"},
        {spec_parts(R"({"gt":[1,1]})", R"({"type":"fixed_qty","qty":1})", R"("orderbook_walk")"),
         "invalid type: string \"orderbook_walk\", expected internally tagged enum BookModel"},
        {spec_parts(R"({"gt":[1,1]})", R"({"type":"fixed_qty","qty":1})", R"({"kind":"OrderbookWalk"})"),
         "unknown variant `OrderbookWalk`, expected one of `orderbook_walk`, `linear_impact`, `square_root`"},
        {spec_parts(R"({"gt":[1,1]})", R"({"type":"fixed_qty","qty":1})", R"(["linear_impact"])"),
         "invalid length 0, expected struct variant BookModel::LinearImpact with 1 element"},
        {spec_parts(R"({"gt":[1,1]})", R"({"type":"fixed_qty","qty":1})", R"(["square_root",1,2])"),
         "invalid length 2, expected 1 element in sequence"},
        // rules
        {spec_parts(R"({"gt":["rsi"]})"), "invalid length 1, expected a tuple of size 2"},
        {spec_parts(R"({"between":["rsi",30]})"), "invalid length 2, expected a tuple of size 3"},
        {spec_parts(R"({"gt":5})"), "invalid type: integer `5`, expected a tuple of size 2"},
        {spec_parts(R"({"all":5})"), "invalid type: integer `5`, expected a sequence"},
        {spec_parts(R"({"rising":["ema",3.0]})"), "invalid type: floating point `3.0`, expected u32"},
        {spec_parts(R"({"rising":["ema",-1]})"), "invalid value: integer `-1`, expected u32"},
        {spec_parts(R"({"in_position":1})"), "invalid type: integer `1`, expected a boolean"},
        {spec_parts(R"({"bars_since_entry":{"ne":2}})"),
         "unknown variant `ne`, expected one of `gt`, `lt`, `ge`, `le`, `eq`"},
        {spec_parts(R"({"GT":["a","b"]})"), std::string("unknown variant `GT`, expected ") + kSixteen},
        {spec_parts(R"("gt")"), "invalid type: unit variant, expected newtype variant"},
        {spec_parts(R"("nope")"), std::string("unknown variant `nope`, expected ") + kSixteen},
        {spec_parts(R"({"gt":[{"price":"typical"},1]})"), kUntagged},
        {spec_parts(R"({"gt":[{"prev":["close",1.5]},1]})"), kUntagged},
        {spec_parts(R"({"gt":[true,1]})"), kUntagged},
        {spec_parts(R"({"gt":[null,1]})"), kUntagged},
        {spec_parts(R"({"gt":[[1],1]})"), kUntagged},
        {spec_parts(R"({"gt":[{"add":[1]},1]})"), kUntagged},
        {spec_parts(R"({"gt":[{"add":[1,2],"sub":[1,2]},1]})"), kUntagged},
        {spec_parts(R"({"gt":[{"price":"close"},{"prev":[1,-1]}]})"), kUntagged},
        {spec_parts(R"({"gt":[{"price":"close"},{"price":{"close":1}}]})"), kUntagged},
        // records as arrays
        {R"([{"symbol":"x"}])", "missing field `timeframe`"},
        {R"([])", "invalid length 0, expected struct ImpactSpec with 4 elements"},
        {R"(null)", "invalid type: null, expected struct ImpactSpec"},
        {R"({"strategy":[1]})", "invalid length 1, expected struct StrategySpec with 14 elements"},
        {R"({"strategy":[1,"BTC"]})", "invalid length 3, expected struct StrategySpec with 14 elements"},
        {R"({})", "missing field `strategy`"},
        {R"({"strategy":{"entry":{"gt":[1,1]},"exit":{"gt":[1,1]}}})", "missing field `symbol`"},
        {R"({"strategy":{"symbol":"a","timeframe":"b","entry":{"gt":[1,1]},"exit":{"gt":[1,1]}}})",
         "missing field `indicators`"},
        {R"({"strategy":{"symbol":"a","timeframe":"b","indicators":{},"entry":{"gt":[1,1]},"exit":{"gt":[1,1]}}})",
         "missing field `sizing`"},
        {R"({"strategy":{"symbol":"a","timeframe":"b","indicators":{},"entry":{"gt":[1,1]},"exit":{"gt":[1,1]},)"
         R"("sizing":{"type":"fixed_qty","qty":1}}})",
         "missing field `book_model`"},
        {R"({"strategy":{"symbol":"a","timeframe":"b","indicators":{},"exit":{"gt":[1,1]},)"
         R"("sizing":{"type":"fixed_qty","qty":1}}})",
         "missing field `entry`"},
    };
    for (const auto& c : cases) {
        if (c.message == "__path_differs__") continue;
        EXPECT_EQ(strip_position(text_path(c.json)), c.message) << "text path: " << c.json;
        EXPECT_EQ(value_path(c.json), c.message) << "value path: " << c.json;
    }
}

struct PathCase {
    std::string json;
    std::string text;   // the constructor's message, with position
    std::string value;  // the "set_spec" message
};

TEST(SpecReader, WherePathsDiffer) {
    const std::string strat =
        R"("symbol":"a","timeframe":"b","indicators":{},"entry":{"gt":[1,1]},"exit":{"gt":[1,1]},"sizing":{"type":"fixed_qty","qty":1})";
    const PathCase cases[] = {
        {R"({"strategy": 5})", "invalid type: integer `5`, expected struct StrategySpec at line 1 column 14",
         "invalid type: integer `5`, expected struct StrategySpec"},
        {R"({"book_model": {"kind": "square_root", "coef": 1}})", "missing field `strategy` at line 1 column 50",
         "missing field `strategy`"},
        {"{ }", "missing field `strategy` at line 1 column 3", "missing field `strategy`"},
        {"{\n\"strategy\":\n  true}", "invalid type: boolean `true`, expected struct StrategySpec at line 3 column 6",
         "invalid type: boolean `true`, expected struct StrategySpec"},
        // document order against byte order of the keys
        {R"({"strategy":{"symbol":5,"entry":7}})",
         "invalid type: integer `5`, expected a string at line 1 column 23",
         "invalid type: integer `7`, expected string or map"},
        // duplicates
        {R"({"strategy":{"symbol":"a","symbol":"b"}})", "duplicate field `symbol` at line 1 column 34",
         "missing field `timeframe`"},
        {R"({"latency_ms":1,"latency_ms":2})", "duplicate field `latency_ms` at line 1 column 28",
         "missing field `strategy`"},
        {R"({"strategy":{)" + strat + R"(},"book_model":{"kind":"square_root","kind":"x"}})",
         "duplicate field `kind`", "unknown variant `x`, expected one of `orderbook_walk`, `linear_impact`, `square_root`"},
        {R"({"strategy":{)" + strat + R"(},"book_model":{"kind":"square_root","coef":1,"coef":"x"}})",
         "duplicate field `coef`", "invalid type: string \"x\", expected f64"},
        // array longer than the record
        {R"({"strategy":[1,"a",null,"b",{},{"gt":[1,1]},{"gt":[1,1]},null,null,["fixed_qty",1],{},{},{},null,5]})",
         "trailing characters at line 1 column 98", "invalid length 15, expected fewer elements in array"},
        {R"({"strategy":[1,"a",null,"b",{},{"gt":[1,1]},{"gt":[1,1]},null,null,["fixed_qty",1],{},{},{},null,]})",
         "trailing comma at line 1 column 98", "__syntax__"},
        {R"({"strategy":{"entry":{"rising":["a",1,2]}}})", "trailing characters",
         "invalid length 3, expected fewer elements in array"},
        // choices of another form
        {R"({"strategy":{"indicators":{"a":{"type":"x","feed":5}}}})", "expected value at line 1 column 51",
         "invalid type: integer `5`, expected string or map"},
        {R"({"strategy":{"indicators":{"a":{"type":"x","feed":{}}}}})", "expected value at line 1 column 52",
         "invalid value: map, expected map with a single key"},
        {R"({"strategy":{"indicators":{"a":{"type":"x","feed":{"kline":null,"trade":null}}}}})", "expected value",
         "invalid value: map, expected map with a single key"},
        {R"({"strategy":{"entry":5}})", "expected value at line 1 column 22",
         "invalid type: integer `5`, expected string or map"},
        {R"({"strategy":{"entry":{}}})", "expected value at line 1 column 23",
         "invalid value: map, expected map with a single key"},
        {R"({"strategy":{"entry":{"in_position":true,"not":{}}}})", "expected value at line 1 column 40",
         "invalid value: map, expected map with a single key"},
        // trailing text after the specification
        {spec_with() + " x", "trailing characters", "__syntax__"},
    };
    for (const auto& c : cases) {
        const std::string got_text = text_path(c.json);
        if (c.text.find(" at line ") == std::string::npos) {
            EXPECT_EQ(strip_position(got_text), c.text) << c.json;
        } else {
            EXPECT_EQ(got_text, c.text) << c.json;
        }
        if (c.value != "__syntax__") {
            EXPECT_EQ(value_path(c.json), c.value) << c.json;
        }
    }
}

TEST(SpecReader, NestingLimitOnTheTextPath) {
    auto nested_not = [](int depth) {
        std::string rule = R"({"in_position":true})";
        for (int k = 0; k < depth; ++k) rule = R"({"not":)" + rule + "}";
        return R"({"strategy":{"entry":)" + rule + "}}";
    };
    EXPECT_EQ(strip_position(text_path(nested_not(200))), "recursion limit exceeded");
    // 1 (spec) + 1 (strategy) + 125 rule levels = 127: the rule reads; the error is about the missing fields
    EXPECT_EQ(strip_position(text_path(nested_not(124))), "missing field `symbol`");
    EXPECT_EQ(strip_position(text_path(nested_not(125))), "recursion limit exceeded");
    // values of unknown keys of plain records are skipped without a depth limit
    const std::string deep = std::string(1000, '[') + std::string(1000, ']');
    EXPECT_EQ(strip_position(text_path(R"({"unknown":)" + deep + "}")), "missing field `strategy`");
    // but not inside a tagged record, whose members are buffered
    EXPECT_EQ(strip_position(text_path(R"({"book_model":{"kind":"square_root","x":)" + deep + "}}")),
              "recursion limit exceeded");
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
    struct Case {
        std::string sizing;
        Sizing::Kind kind;
        double value;
        std::uint32_t lookback;
    };
    const Case cases[] = {
        {R"({"type":"fixed_fraction","fraction":0.5})", Sizing::Kind::FixedFraction, 0.5, 0},
        {R"(["fixed_fraction",0.5])", Sizing::Kind::FixedFraction, 0.5, 0},
        {R"({"fraction":0.5,"type":"fixed_fraction"})", Sizing::Kind::FixedFraction, 0.5, 0},
        {R"({"type":"vol_target","lookback":20,"target_vol":2})", Sizing::Kind::VolTarget, 2.0, 20},
        {R"(["risk_per_trade",1])", Sizing::Kind::RiskPerTrade, 1.0, 0},
    };
    for (const auto& c : cases) {
        const std::string json = spec_parts(R"({"gt":[1,1]})", c.sizing);
        auto t = impact_spec_from_json(json);
        ASSERT_TRUE(t) << t.error().display();
        auto v = testing::value_spec(json);
        ASSERT_TRUE(v);
        for (const ImpactSpec* s : {&*t, &*v}) {
            EXPECT_EQ(s->strategy.sizing.kind, c.kind) << c.sizing;
            EXPECT_EQ(s->strategy.sizing.value, c.value) << c.sizing;
            EXPECT_EQ(s->strategy.sizing.lookback, c.lookback) << c.sizing;
        }
    }
    struct BookCase {
        std::string book;
        BookModel::Kind kind;
        std::optional<std::uint64_t> levels;
    };
    const BookCase books[] = {
        {R"({"kind":"orderbook_walk"})", BookModel::Kind::OrderbookWalk, std::nullopt},
        {R"({"kind":"orderbook_walk","levels":null})", BookModel::Kind::OrderbookWalk, std::nullopt},
        {R"({"levels":5,"kind":"orderbook_walk"})", BookModel::Kind::OrderbookWalk, 5},
        {R"({"kind":"orderbook_walk","levels":0})", BookModel::Kind::OrderbookWalk, 0},
        {R"(["orderbook_walk"])", BookModel::Kind::OrderbookWalk, std::nullopt},
        {R"({"kind":"square_root","coef":1})", BookModel::Kind::SquareRoot, std::nullopt},
    };
    for (const auto& c : books) {
        const std::string json = spec_parts(R"({"gt":[1,1]})", R"({"type":"fixed_qty","qty":1})", c.book);
        auto t = impact_spec_from_json(json);
        ASSERT_TRUE(t) << t.error().display();
        EXPECT_EQ(t->book_model.kind, c.kind);
        EXPECT_EQ(t->book_model.levels, c.levels);
        auto v = testing::value_spec(json);
        ASSERT_TRUE(v);
        EXPECT_EQ(v->book_model.levels, c.levels);
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
