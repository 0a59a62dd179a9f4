#include "core/json/spec_reader.hpp"

#include <array>
#include <limits>
#include <memory>

#include "core/json/reader.hpp"

namespace prynox {
namespace {

using Names = std::span<const std::string_view>;

constexpr std::string_view kConditionNames[] = {"gt",  "lt",          "ge",          "le",      "eq",     "ne",
                                                "cross_above", "cross_below", "between", "rising", "falling",
                                                "all", "any",         "not",         "in_position", "bars_since_entry"};
constexpr std::string_view kCmpNames[] = {"gt", "lt", "ge", "le", "eq"};
constexpr std::string_view kExprNames[] = {"price", "prev", "add", "sub", "mul", "div"};
constexpr std::string_view kPriceNames[] = {"open", "high", "low", "close", "volume", "hlc3", "ohlc4"};
constexpr std::string_view kFeedNames[] = {"kline", "trade", "orderbook", "trade_quote", "derivatives", "cross_section"};
constexpr std::string_view kOrderTypeNames[] = {"market", "limit", "stop", "stop_limit"};
constexpr std::string_view kFillTimingNames[] = {"next_open", "close"};
constexpr std::string_view kSizingNames[] = {"fixed_fraction", "fixed_qty", "fixed_cash", "vol_target",
                                             "risk_per_trade"};
constexpr std::string_view kSlippageNames[] = {"fixed_bps", "spread", "volume_impact"};
constexpr std::string_view kBookModelNames[] = {"orderbook_walk", "linear_impact", "square_root"};

constexpr const char* kUntaggedOperand = "data did not match any variant of untagged enum Operand";

constexpr FieldDef kImpactFields[] = {
    {"strategy", true}, {"book_model", true}, {"participation_cap", false}, {"latency_ms", false}};
constexpr RecordDef kImpactDef{"struct ImpactSpec", "struct ImpactSpec with 4 elements", kImpactFields};

constexpr FieldDef kStrategyFields[] = {
    {"spec_version", false}, {"symbol", true},       {"ref_symbol", false}, {"timeframe", true},
    {"indicators", true},    {"entry", true},        {"exit", true},        {"short_entry", false},
    {"short_exit", false},   {"sizing", true},       {"costs", false},      {"risk", false},
    {"execution", false},    {"warmup", false}};
constexpr RecordDef kStrategyDef{"struct StrategySpec", "struct StrategySpec with 14 elements", kStrategyFields};

constexpr FieldDef kIndicatorFields[] = {{"type", true}, {"params", false}, {"feed", false}};
constexpr RecordDef kIndicatorDef{"struct IndicatorSpec", "struct IndicatorSpec with 3 elements", kIndicatorFields};

constexpr FieldDef kCostsFields[] = {
    {"maker_bps", false}, {"taker_bps", false}, {"slippage", false}, {"funding", false}};
constexpr RecordDef kCostsDef{"struct Costs", "struct Costs with 4 elements", kCostsFields};

constexpr FieldDef kRiskFields[] = {{"stop_loss_pct", false},   {"take_profit_pct", false},
                                    {"trailing_stop_pct", false}, {"max_leverage", false},
                                    {"max_position_pct", false}, {"liquidation", false}};
constexpr RecordDef kRiskDef{"struct Risk", "struct Risk with 6 elements", kRiskFields};

constexpr FieldDef kExecutionFields[] = {{"order_type", false},       {"fill_timing", false},
                                         {"limit_offset_pct", false}, {"stop_offset_pct", false},
                                         {"latency_bars", false},     {"partial_fills", false},
                                         {"max_participation", false}};
constexpr RecordDef kExecutionDef{"struct Execution", "struct Execution with 7 elements", kExecutionFields};

// The fields of one variant of a tagged record.
struct VariantDef {
    std::span<const FieldDef> fields;
    std::string_view seq_expecting;  // "struct variant Sizing::FixedQty with 1 element"
};

constexpr FieldDef kFractionField[] = {{"fraction", true}};
constexpr FieldDef kQtyField[] = {{"qty", true}};
constexpr FieldDef kCashField[] = {{"cash", true}};
constexpr FieldDef kVolTargetFields[] = {{"target_vol", true}, {"lookback", true}};
constexpr FieldDef kRiskPctField[] = {{"risk_pct", true}};
constexpr VariantDef kSizingVariants[] = {
    {kFractionField, "struct variant Sizing::FixedFraction with 1 element"},
    {kQtyField, "struct variant Sizing::FixedQty with 1 element"},
    {kCashField, "struct variant Sizing::FixedCash with 1 element"},
    {kVolTargetFields, "struct variant Sizing::VolTarget with 2 elements"},
    {kRiskPctField, "struct variant Sizing::RiskPerTrade with 1 element"},
};

constexpr FieldDef kBpsField[] = {{"bps", true}};
constexpr FieldDef kCoefField[] = {{"coef", true}};
constexpr VariantDef kSlippageVariants[] = {
    {kBpsField, "struct variant Slippage::FixedBps with 1 element"},
    {{}, "struct variant Slippage::Spread with 0 elements"},
    {kCoefField, "struct variant Slippage::VolumeImpact with 1 element"},
};

constexpr FieldDef kLevelsField[] = {{"levels", false}};
constexpr VariantDef kBookModelVariants[] = {
    {kLevelsField, "struct variant BookModel::OrderbookWalk with 1 element"},
    {kCoefField, "struct variant BookModel::LinearImpact with 1 element"},
    {kCoefField, "struct variant BookModel::SquareRoot with 1 element"},
};

struct TaggedDef {
    std::string_view tag;
    std::string_view expecting;  // "internally tagged enum Sizing"
    Names names;
    std::span<const VariantDef> variants;
};

constexpr TaggedDef kSizingDef{"type", "internally tagged enum Sizing", kSizingNames, kSizingVariants};
constexpr TaggedDef kSlippageDef{"type", "internally tagged enum Slippage", kSlippageNames, kSlippageVariants};
constexpr TaggedDef kBookModelDef{"kind", "internally tagged enum BookModel", kBookModelNames, kBookModelVariants};

// Scalars of buffered values, with the messages of direct reading.
class ContentFields {
public:
    explicit ContentFields(Reader& r) : r_(r) {}

    Status f64(const Content& c, double& out) {
        switch (c.kind) {
            case Content::Kind::U64: out = static_cast<double>(c.u); return {};
            case Content::Kind::I64: out = static_cast<double>(c.i); return {};
            case Content::Kind::F64: out = c.f; return {};
            default: return r_.fail(msg::invalid_type(c.unexpected(), "f64"));
        }
    }
    Status u32(const Content& c, std::uint32_t& out) {
        if (c.kind == Content::Kind::U64) {
            if (c.u > std::numeric_limits<std::uint32_t>::max()) return r_.fail(msg::invalid_value(c.unexpected(), "u32"));
            out = static_cast<std::uint32_t>(c.u);
            return {};
        }
        if (c.kind == Content::Kind::I64) return r_.fail(msg::invalid_value(c.unexpected(), "u32"));
        return r_.fail(msg::invalid_type(c.unexpected(), "u32"));
    }
    Status opt_usize(const Content& c, std::optional<std::uint64_t>& out) {
        if (c.kind == Content::Kind::Null) {
            out.reset();
            return {};
        }
        if (c.kind == Content::Kind::U64) {
            out = c.u;
            return {};
        }
        if (c.kind == Content::Kind::I64) return r_.fail(msg::invalid_value(c.unexpected(), "usize"));
        return r_.fail(msg::invalid_type(c.unexpected(), "usize"));
    }

private:
    Reader& r_;
};

class SpecReader {
public:
    SpecReader(std::string_view text, bool text_path) : lx_(text, true), r_(lx_, text_path) {
        lx_.set_checked(!text_path);
    }

    Reader& reader() { return r_; }

    Status impact(ImpactSpec& out) {
        return r_.record(kImpactDef, [&](std::size_t k) -> Status {
            switch (k) {
                case 0: return strategy(out.strategy);
                case 1: return book_model(out.book_model);
                case 2: return r_.f64(out.participation_cap);
                default: return r_.u64(out.latency_ms, "u64");
            }
        });
    }

private:
    Status strategy(StrategySpec& s) {
        s = StrategySpec{};  // a repeated key starts over
        return r_.record(kStrategyDef, [&](std::size_t k) -> Status {
            switch (k) {
                case 0: return r_.u32(s.spec_version);
                case 1: return r_.string(s.symbol);
                case 2: return optional(s.ref_symbol, [&](std::string& v) { return r_.string(v); });
                case 3: return r_.string(s.timeframe);
                case 4: return indicators(s.indicators);
                case 5: return condition(s.entry);
                case 6: return condition(s.exit);
                case 7: return optional(s.short_entry, [&](Condition& c) { return condition(c); });
                case 8: return optional(s.short_exit, [&](Condition& c) { return condition(c); });
                case 9:
                    s.sizing = Sizing{};
                    return tagged(kSizingDef, [&](std::size_t v, VariantFields& f) { return sizing(s.sizing, v, f); });
                case 10: return costs(s.costs);
                case 11: return risk(s.risk);
                case 12: return execution(s.execution);
                default: return optional(s.warmup, [&](std::uint32_t& v) { return r_.u32(v); });
            }
        });
    }

    template <class T, class F>
    Status optional(std::optional<T>& out, F&& read) {
        bool present = false;
        T value{};
        PRYNOX_TRY(r_.optional(present, [&]() { return read(value); }));
        if (present) {
            out = std::move(value);
        } else {
            out.reset();
        }
        return {};
    }

    Status indicators(std::map<std::string, IndicatorSpec>& out) {
        out.clear();
        return r_.map("a map", [&](std::string_view id) -> Status {
            IndicatorSpec spec;
            PRYNOX_TRY(indicator(spec));
            out.insert_or_assign(std::string(id), std::move(spec));
            return {};
        });
    }

    Status indicator(IndicatorSpec& s) {
        s = IndicatorSpec{};
        return r_.record(kIndicatorDef, [&](std::size_t k) -> Status {
            switch (k) {
                case 0: return r_.string(s.type);
                case 1:
                    s.params.clear();
                    return r_.sequence("a sequence", [&](std::size_t) -> Status {
                        double v = 0.0;
                        PRYNOX_TRY(r_.f64(v));
                        s.params.push_back(v);
                        return {};
                    });
                default:
                    return optional(s.feed, [&](Feed& f) { return choice(kFeedNames, f); });
            }
        });
    }

    template <class E>
    Status choice(Names names, E& out) {
        return r_.enumeration(names, [&](std::size_t v, bool in_object) -> Status {
            out = static_cast<E>(v);
            if (in_object) return r_.unit();
            return {};
        });
    }

    Status costs(Costs& c) {
        c = Costs{};
        return r_.record(kCostsDef, [&](std::size_t k) -> Status {
            switch (k) {
                case 0: return r_.f64(c.maker_bps);
                case 1: return r_.f64(c.taker_bps);
                case 2:
                    c.slippage = Slippage{};
                    return tagged(kSlippageDef,
                                  [&](std::size_t v, VariantFields& f) { return slippage(c.slippage, v, f); });
                default: return r_.boolean(c.funding);
            }
        });
    }

    Status risk(Risk& x) {
        x = Risk{};
        return r_.record(kRiskDef, [&](std::size_t k) -> Status {
            auto opt_f64 = [&](std::optional<double>& o) { return optional(o, [&](double& v) { return r_.f64(v); }); };
            switch (k) {
                case 0: return opt_f64(x.stop_loss_pct);
                case 1: return opt_f64(x.take_profit_pct);
                case 2: return opt_f64(x.trailing_stop_pct);
                case 3: return opt_f64(x.max_leverage);
                case 4: return opt_f64(x.max_position_pct);
                default: return r_.boolean(x.liquidation);
            }
        });
    }

    Status execution(Execution& x) {
        x = Execution{};
        return r_.record(kExecutionDef, [&](std::size_t k) -> Status {
            auto opt_f64 = [&](std::optional<double>& o) { return optional(o, [&](double& v) { return r_.f64(v); }); };
            switch (k) {
                case 0: return choice(kOrderTypeNames, x.order_type);
                case 1: return choice(kFillTimingNames, x.fill_timing);
                case 2: return opt_f64(x.limit_offset_pct);
                case 3: return opt_f64(x.stop_offset_pct);
                case 4: return r_.u32(x.latency_bars);
                case 5: return r_.boolean(x.partial_fills);
                default: return opt_f64(x.max_participation);
            }
        });
    }

    // ---- tagged records ----

    // The buffered fields of the chosen variant, by position in the variant's field list.
    struct VariantFields {
        const Content* field[4] = {};
    };

    template <class F>
    Status tagged(const TaggedDef& def, F&& build) {
        Lexer& lx = r_.lexer();
        const int c = lx.peek_ws();
        int variant = -1;
        if (c == '{') {
            std::vector<std::pair<std::string, Content>> rest;
            if (r_.text_path()) {
                PRYNOX_TRY(lx.enter());
                lx.eat();
                bool first = true;
                for (;;) {
                    bool has = false;
                    std::string_view key;
                    PRYNOX_TRY(r_.map_next(first, has, key));
                    if (!has) break;
                    if (key == def.tag) {
                        if (variant >= 0) return r_.fail(msg::duplicate_field(def.tag));
                        PRYNOX_TRY(lx.colon());
                        PRYNOX_TRY(tag_value(def, variant));
                        continue;
                    }
                    std::string k(key);
                    PRYNOX_TRY(lx.colon());
                    Content v;
                    PRYNOX_TRY(r_.content(v));
                    rest.emplace_back(std::move(k), std::move(v));
                }
                lx.eat();
                lx.leave();
            } else {
                Content all;
                PRYNOX_TRY(r_.content(all));
                for (std::size_t k = 0; k < all.keys.size(); ++k) {
                    if (all.keys[k] == def.tag) {
                        PRYNOX_TRY(tag_from_content(def, all.items[k], variant));
                    } else {
                        rest.emplace_back(std::move(all.keys[k]), std::move(all.items[k]));
                    }
                }
            }
            if (variant < 0) return r_.fail(msg::missing_field(def.tag));
            const VariantDef& vd = def.variants[static_cast<std::size_t>(variant)];
            VariantFields f;
            for (const auto& m : rest) {
                std::size_t k = 0;
                while (k < vd.fields.size() && vd.fields[k].name != m.first) ++k;
                if (k == vd.fields.size()) continue;
                if (f.field[k]) return r_.fail(msg::duplicate_field(vd.fields[k].name));
                f.field[k] = &m.second;
                VariantFields one;
                one.field[k] = &m.second;
                PRYNOX_TRY(build(static_cast<std::size_t>(variant), one));
            }
            for (std::size_t k = 0; k < vd.fields.size(); ++k) {
                if (vd.fields[k].required && !f.field[k]) return r_.fail(msg::missing_field(vd.fields[k].name));
            }
            return build(static_cast<std::size_t>(variant), f);
        }
        if (c == '[') {
            Content all;
            PRYNOX_TRY(r_.content(all));
            if (all.items.empty()) return r_.fail(msg::missing_field(def.tag));
            PRYNOX_TRY(tag_from_content(def, all.items[0], variant));
            const VariantDef& vd = def.variants[static_cast<std::size_t>(variant)];
            const std::size_t given = all.items.size() - 1;
            VariantFields f;
            for (std::size_t k = 0; k < vd.fields.size(); ++k) {
                if (k < given) {
                    f.field[k] = &all.items[k + 1];
                    VariantFields one;
                    one.field[k] = f.field[k];
                    PRYNOX_TRY(build(static_cast<std::size_t>(variant), one));
                } else if (vd.fields[k].required) {
                    return r_.fail(msg::invalid_length(k, vd.seq_expecting));
                }
            }
            if (given > vd.fields.size()) {
                std::string expecting = vd.fields.size() == 1 ? "1 element in sequence"
                                                              : std::to_string(vd.fields.size()) + " elements in sequence";
                return r_.fail(msg::invalid_length(given, expecting));
            }
            return build(static_cast<std::size_t>(variant), f);
        }
        return r_.invalid_scalar(def.expecting);
    }

    Status tag_value(const TaggedDef& def, int& variant) {
        Scalar s;
        PRYNOX_TRY(r_.lexer().scalar(s));
        if (s.kind != Scalar::Kind::Str) return r_.fail(msg::invalid_type(s.unexpected(), "variant identifier"));
        const int v = find_name(def.names, s.str);
        if (v < 0) return r_.fail(msg::unknown_variant(s.str, def.names.data(), def.names.size()));
        variant = v;
        return {};
    }

    Status tag_from_content(const TaggedDef& def, const Content& c, int& variant) {
        if (c.kind != Content::Kind::Str) return r_.fail(msg::invalid_type(c.unexpected(), "variant identifier"));
        const int v = find_name(def.names, c.s);
        if (v < 0) return r_.fail(msg::unknown_variant(c.s, def.names.data(), def.names.size()));
        variant = v;
        return {};
    }

    Status sizing(Sizing& s, std::size_t v, VariantFields& f) {
        ContentFields cf(r_);
        s.kind = static_cast<Sizing::Kind>(v);
        if (f.field[0]) PRYNOX_TRY(cf.f64(*f.field[0], s.value));
        if (v == static_cast<std::size_t>(Sizing::Kind::VolTarget) && f.field[1]) PRYNOX_TRY(cf.u32(*f.field[1], s.lookback));
        return {};
    }

    Status slippage(Slippage& s, std::size_t v, VariantFields& f) {
        ContentFields cf(r_);
        s.kind = static_cast<Slippage::Kind>(v);
        if (s.kind == Slippage::Kind::Spread) {
            s.value = 0.0;
            return {};
        }
        if (f.field[0]) PRYNOX_TRY(cf.f64(*f.field[0], s.value));
        return {};
    }

    Status book_model(BookModel& b) {
        b = BookModel{};
        return tagged(kBookModelDef, [&](std::size_t v, VariantFields& f) -> Status {
            ContentFields cf(r_);
            b.kind = static_cast<BookModel::Kind>(v);
            if (!f.field[0]) return {};
            if (b.kind == BookModel::Kind::OrderbookWalk) return cf.opt_usize(*f.field[0], b.levels);
            return cf.f64(*f.field[0], b.coef);
        });
    }

    // ---- rules ----

    Status condition(Condition& out) {
        out = Condition{};
        return r_.enumeration(kConditionNames, [&](std::size_t v, bool in_object) -> Status {
            if (!in_object) {
                Unexpected u;
                u.kind = Unexpected::Kind::UnitVariant;
                return r_.fail(msg::invalid_type(u, "newtype variant"));
            }
            out.kind = static_cast<Condition::Kind>(v);
            switch (out.kind) {
                case Condition::Kind::Between: return operands(out, 3, "a tuple of size 3");
                case Condition::Kind::Rising:
                case Condition::Kind::Falling:
                    return r_.tuple(2, "a tuple of size 2", [&](std::size_t k) -> Status {
                        if (k == 0) return operand_into(out.operands);
                        return r_.u32(out.count);
                    });
                case Condition::Kind::All:
                case Condition::Kind::Any:
                    return r_.sequence("a sequence", [&](std::size_t) -> Status {
                        out.children.emplace_back();
                        return condition(out.children.back());
                    });
                case Condition::Kind::Not:
                    out.children.emplace_back();
                    return condition(out.children.back());
                case Condition::Kind::InPosition: return r_.boolean(out.flag);
                case Condition::Kind::BarsSinceEntry:
                    return r_.enumeration(kCmpNames, [&](std::size_t c, bool cmp_in_object) -> Status {
                        if (!cmp_in_object) {
                            Unexpected u;
                            u.kind = Unexpected::Kind::UnitVariant;
                            return r_.fail(msg::invalid_type(u, "newtype variant"));
                        }
                        out.cmp = static_cast<Cmp>(c);
                        return r_.u32(out.count);
                    });
                default: return operands(out, 2, "a tuple of size 2");
            }
        });
    }

    Status operands(Condition& out, std::size_t n, std::string_view expecting) {
        return r_.tuple(n, expecting, [&](std::size_t) { return operand_into(out.operands); });
    }

    Status operand_into(std::vector<Operand>& list) {
        Content c;
        PRYNOX_TRY(r_.content(c));
        Operand o;
        if (!operand_from(c, o)) return r_.fail(kUntaggedOperand);
        list.push_back(std::move(o));
        return {};
    }

    static bool count_from(const Content& c, std::uint32_t& out) {
        if (c.kind != Content::Kind::U64 || c.u > std::numeric_limits<std::uint32_t>::max()) return false;
        out = static_cast<std::uint32_t>(c.u);
        return true;
    }

    // An externally tagged variant inside buffered content: the name and, when written as an
    // object, its payload.
    static bool variant_from(const Content& c, Names names, std::size_t& v, const Content*& payload) {
        std::string_view name;
        if (c.kind == Content::Kind::Str) {
            name = c.s;
            payload = nullptr;
        } else if (c.kind == Content::Kind::Map && c.keys.size() == 1) {
            name = c.keys[0];
            payload = &c.items[0];
        } else {
            return false;
        }
        const int k = find_name(names, name);
        if (k < 0) return false;
        v = static_cast<std::size_t>(k);
        return true;
    }

    static bool operand_from(const Content& c, Operand& out) {
        switch (c.kind) {
            case Content::Kind::Str: out = Operand::reference(c.s); return true;
            case Content::Kind::U64: out = Operand::constant(static_cast<double>(c.u)); return true;
            case Content::Kind::I64: out = Operand::constant(static_cast<double>(c.i)); return true;
            case Content::Kind::F64: out = Operand::constant(c.f); return true;
            case Content::Kind::Map: break;
            default: return false;
        }
        std::size_t v = 0;
        const Content* payload = nullptr;
        if (!variant_from(c, kExprNames, v, payload) || payload == nullptr) return false;
        Expr e;
        e.kind = static_cast<Expr::Kind>(v);
        if (e.kind == Expr::Kind::Price) {
            std::size_t p = 0;
            const Content* unit = nullptr;
            if (!variant_from(*payload, kPriceNames, p, unit)) return false;
            if (unit != nullptr && unit->kind != Content::Kind::Null) return false;
            e.price = static_cast<PriceSource>(p);
        } else {
            if (payload->kind != Content::Kind::Seq || payload->items.size() != 2) return false;
            if (!operand_from(payload->items[0], e.a)) return false;
            if (e.kind == Expr::Kind::Prev) {
                if (!count_from(payload->items[1], e.count)) return false;
            } else if (!operand_from(payload->items[1], e.b)) {
                return false;
            }
        }
        out = Operand::expression(std::move(e));
        return true;
    }

    Lexer lx_;
    Reader r_;
};

}  // namespace

std::expected<ImpactSpec, ReadError> impact_spec_from_json(std::string_view text) {
    SpecReader sr(text, true);
    ImpactSpec spec;
    if (auto s = sr.impact(spec); !s) return std::unexpected(s.error());
    if (auto s = sr.reader().lexer().end(); !s) return std::unexpected(s.error());
    return spec;
}

std::expected<ImpactSpec, ReadError> impact_spec_from_value(std::string_view text, std::size_t offset) {
    SpecReader sr(text, false);
    sr.reader().lexer().seek(offset);
    ImpactSpec spec;
    if (auto s = sr.impact(spec); !s) return std::unexpected(s.error());
    return spec;
}

}  // namespace prynox
