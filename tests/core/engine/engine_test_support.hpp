#pragma once
// Builders for specifications, market data and scripted indicators used by the engine tests.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/engine/backtest.hpp"

namespace prynox::test {

inline Operand ref(std::string text) { return Operand::reference(std::move(text)); }
inline Operand num(double v) { return Operand::constant(v); }

inline Operand price(PriceSource p) {
    Expr e;
    e.kind = Expr::Kind::Price;
    e.price = p;
    return Operand::expression(std::move(e));
}
inline Operand close() { return price(PriceSource::Close); }

inline Operand prev(Operand x, std::uint32_t n) {
    Expr e;
    e.kind = Expr::Kind::Prev;
    e.count = n;
    e.a = std::move(x);
    return Operand::expression(std::move(e));
}

inline Operand arith(Expr::Kind kind, Operand a, Operand b) {
    Expr e;
    e.kind = kind;
    e.a = std::move(a);
    e.b = std::move(b);
    return Operand::expression(std::move(e));
}
inline Operand add(Operand a, Operand b) { return arith(Expr::Kind::Add, std::move(a), std::move(b)); }
inline Operand sub(Operand a, Operand b) { return arith(Expr::Kind::Sub, std::move(a), std::move(b)); }
inline Operand mul(Operand a, Operand b) { return arith(Expr::Kind::Mul, std::move(a), std::move(b)); }
inline Operand div(Operand a, Operand b) { return arith(Expr::Kind::Div, std::move(a), std::move(b)); }

inline Condition cmp2(Condition::Kind kind, Operand a, Operand b) {
    Condition c;
    c.kind = kind;
    c.operands.push_back(std::move(a));
    c.operands.push_back(std::move(b));
    return c;
}
inline Condition gt(Operand a, Operand b) { return cmp2(Condition::Kind::Gt, std::move(a), std::move(b)); }
inline Condition lt(Operand a, Operand b) { return cmp2(Condition::Kind::Lt, std::move(a), std::move(b)); }
inline Condition ge(Operand a, Operand b) { return cmp2(Condition::Kind::Ge, std::move(a), std::move(b)); }
inline Condition le(Operand a, Operand b) { return cmp2(Condition::Kind::Le, std::move(a), std::move(b)); }
inline Condition eq(Operand a, Operand b) { return cmp2(Condition::Kind::Eq, std::move(a), std::move(b)); }
inline Condition ne(Operand a, Operand b) { return cmp2(Condition::Kind::Ne, std::move(a), std::move(b)); }
inline Condition cross_above(Operand a, Operand b) {
    return cmp2(Condition::Kind::CrossAbove, std::move(a), std::move(b));
}
inline Condition cross_below(Operand a, Operand b) {
    return cmp2(Condition::Kind::CrossBelow, std::move(a), std::move(b));
}
inline Condition between(Operand x, Operand lo, Operand hi) {
    Condition c;
    c.kind = Condition::Kind::Between;
    c.operands.push_back(std::move(x));
    c.operands.push_back(std::move(lo));
    c.operands.push_back(std::move(hi));
    return c;
}
inline Condition trend(Condition::Kind kind, Operand x, std::uint32_t n) {
    Condition c;
    c.kind = kind;
    c.count = n;
    c.operands.push_back(std::move(x));
    return c;
}
inline Condition rising(Operand x, std::uint32_t n) { return trend(Condition::Kind::Rising, std::move(x), n); }
inline Condition falling(Operand x, std::uint32_t n) { return trend(Condition::Kind::Falling, std::move(x), n); }

inline Condition group(Condition::Kind kind, std::vector<Condition> children) {
    Condition c;
    c.kind = kind;
    c.children = std::move(children);
    return c;
}
// Conditions own their operands and cannot be copied out of an initializer list.
template <class... C>
std::vector<Condition> conditions(C&&... c) {
    std::vector<Condition> v;
    v.reserve(sizeof...(c));
    (v.push_back(std::forward<C>(c)), ...);
    return v;
}
template <class... C>
Condition all(C&&... c) {
    return group(Condition::Kind::All, conditions(std::forward<C>(c)...));
}
template <class... C>
Condition any(C&&... c) {
    return group(Condition::Kind::Any, conditions(std::forward<C>(c)...));
}
inline Condition not_(Condition inner) {
    std::vector<Condition> v;
    v.push_back(std::move(inner));
    return group(Condition::Kind::Not, std::move(v));
}
inline Condition in_position(bool flag) {
    Condition c;
    c.kind = Condition::Kind::InPosition;
    c.flag = flag;
    return c;
}
inline Condition bars_since_entry(Cmp cmp, std::uint32_t n) {
    Condition c;
    c.kind = Condition::Kind::BarsSinceEntry;
    c.cmp = cmp;
    c.count = n;
    return c;
}
inline Condition always() { return all(); }
inline Condition never() { return any(); }

inline Candle candle(std::int64_t t, double o, double h, double l, double c, double v = 0.0) {
    return Candle{t, o, h, l, c, v};
}
// A bar that opens, stays and closes at one price.
inline Candle flat_candle(std::int64_t t, double p) { return Candle{t, p, p, p, p, 0.0}; }

inline Sizing sizing(Sizing::Kind kind, double value, std::uint32_t lookback = 0) {
    Sizing s;
    s.kind = kind;
    s.value = value;
    s.lookback = lookback;
    return s;
}

inline BookModel linear_impact(double coef) {
    BookModel m;
    m.kind = BookModel::Kind::LinearImpact;
    m.coef = coef;
    return m;
}
inline BookModel square_root(double coef) {
    BookModel m;
    m.kind = BookModel::Kind::SquareRoot;
    m.coef = coef;
    return m;
}
inline BookModel walk(std::optional<std::uint64_t> levels = std::nullopt) {
    BookModel m;
    m.kind = BookModel::Kind::OrderbookWalk;
    m.levels = levels;
    return m;
}

inline OrderBook book(std::vector<Level> bids, std::vector<Level> asks) { return OrderBook{std::move(bids), std::move(asks)}; }
// A deep two-sided book around `mid` in which every order fills at `mid` +- half a tick.
inline OrderBook deep_book(double bid, double ask, double size = 1e12) { return book({{bid, size}}, {{ask, size}}); }

// A spec that runs on the linear impact model with coefficient 0: with a deep book every fill
// happens exactly at the reference price, which keeps the numbers of a scenario plain.
inline ImpactSpec base_spec() {
    ImpactSpec spec;
    spec.strategy.symbol = "TEST";
    spec.strategy.timeframe = "1m";
    spec.strategy.entry = never();
    spec.strategy.exit = never();
    spec.strategy.sizing = sizing(Sizing::Kind::FixedQty, 1.0);
    spec.book_model = linear_impact(0.0);
    return spec;
}

// Books whose one level on each side is deep enough for any test order, at the candle's open
// minus and plus `half_spread`.
inline std::vector<OrderBook> books_around_open(const std::vector<Candle>& candles, double half_spread = 0.5) {
    std::vector<OrderBook> out;
    for (const Candle& c : candles) out.push_back(deep_book(c.open - half_spread, c.open + half_spread));
    return out;
}

inline RunData data_of(std::vector<Candle> candles, double capital = 10000.0) {
    RunData d;
    d.candles = std::move(candles);
    d.capital = capital;
    return d;
}

// Candles with one price per bar (open = high = low = close), times 0, 60000, ...
inline std::vector<Candle> flat_candles(const std::vector<double>& prices) {
    std::vector<Candle> out;
    for (std::size_t k = 0; k < prices.size(); ++k) {
        out.push_back(flat_candle(static_cast<std::int64_t>(k) * 60000, prices[k]));
    }
    return out;
}

// What a scripted indicator gives on each bar: a value or none, and its named outputs.
struct ScriptedBar {
    std::optional<double> value;
    std::vector<NamedOutput> outputs;
};

// A test indicator that plays back a script, records what it was handed, and reports a fixed
// warm-up. Bars past the script give none.
class ScriptedIndicator final : public Indicator {
public:
    struct Log {
        std::vector<BarContext> contexts;
        std::vector<std::vector<TradePrint>> trades;  // copies, the span dies with the bar
        std::size_t outputs_calls = 0;
        std::vector<std::string> order;  // type names in update order
    };

    // The type's output names are those of its longest scripted list.
    ScriptedIndicator(std::string tag, std::vector<ScriptedBar> script, std::uint64_t warmup, std::shared_ptr<Log> log)
        : tag_(std::move(tag)), script_(std::move(script)), warmup_(warmup), log_(std::move(log)) {
        for (const auto& bar : script_)
            if (bar.outputs.size() > names_.size()) {
                names_.clear();
                for (const auto& o : bar.outputs) names_.push_back(o.name);
            }
    }

    OptionalValue update(const BarContext& ctx) override {
        if (log_) {
            log_->order.push_back(tag_);
            log_->contexts.push_back(ctx);
            log_->trades.emplace_back(ctx.trades.begin(), ctx.trades.end());
        }
        const std::size_t bar = bar_++;
        if (bar >= script_.size()) return std::nullopt;
        current_ = script_[bar].outputs;
        return script_[bar].value;
    }
    std::span<const NamedOutput> outputs() const override {
        if (log_) ++log_->outputs_calls;
        return current_;
    }
    std::span<const char* const> output_names() const override { return names_; }
    std::uint64_t warmup_period() const override { return warmup_; }

private:
    std::string tag_;
    std::vector<const char*> names_;
    std::vector<ScriptedBar> script_;
    std::uint64_t warmup_;
    std::shared_ptr<Log> log_;
    std::size_t bar_ = 0;
    std::vector<NamedOutput> current_;
};

// Indicator types by name for a run: each type plays its script; unknown names fail as the
// registry does; "Bad" fails its parameters.
class ScriptedSource final : public IndicatorSource {
public:
    struct Type {
        std::vector<ScriptedBar> script;
        std::uint64_t warmup = 0;
        std::optional<Feed> feed;
        std::shared_ptr<ScriptedIndicator::Log> log;
    };

    void add(std::string name, Type type) { types_[std::move(name)] = std::move(type); }
    // Values only, one per bar.
    void add_values(std::string name, std::vector<std::optional<double>> values, std::uint64_t warmup = 0) {
        Type t;
        for (auto v : values) t.script.push_back(ScriptedBar{v, {}});
        t.warmup = warmup;
        add(std::move(name), std::move(t));
    }

    mutable std::vector<std::string> built;  // type names in build order

    std::expected<std::unique_ptr<Indicator>, EngineError> build(std::string_view type,
                                                                 std::span<const double> params) const override {
        if (type == "Bad") {
            return std::unexpected(EngineError::invalid_parameters(std::string(type), "missing parameter #0"));
        }
        auto it = types_.find(std::string(type));
        if (it == types_.end()) return std::unexpected(EngineError::unknown_indicator(std::string(type)));
        built.emplace_back(type);
        (void)params;
        return std::make_unique<ScriptedIndicator>(it->first, it->second.script, it->second.warmup, it->second.log);
    }
    std::optional<Feed> feed(std::string_view type) const override {
        auto it = types_.find(std::string(type));
        if (it == types_.end()) return std::nullopt;
        return it->second.feed;
    }

private:
    std::map<std::string, Type> types_;
};

inline IndicatorSpec indicator(std::string type, std::optional<Feed> feed = std::nullopt) {
    IndicatorSpec s;
    s.type = std::move(type);
    s.feed = feed;
    return s;
}

}  // namespace prynox::test

namespace prynox::test {

inline RunResult run_ok(const ImpactSpec& spec, const RunData& data, const IndicatorSource& source) {
    auto r = run_backtest(spec, data, source);
    if (!r) throw std::runtime_error("run failed: " + r.error().display());
    return std::move(*r);
}
inline RunResult run_ok(const ImpactSpec& spec, const RunData& data) {
    static const ScriptedSource none;
    return run_ok(spec, data, none);
}

// Candles with explicit prices, times 0, 60000, ...
inline std::vector<Candle> ohlc(const std::vector<std::array<double, 4>>& bars) {
    std::vector<Candle> out;
    for (std::size_t k = 0; k < bars.size(); ++k) {
        const auto& b = bars[k];
        out.push_back(Candle{static_cast<std::int64_t>(k) * 60000, b[0], b[1], b[2], b[3], 0.0});
    }
    return out;
}

inline std::int64_t bar_time(std::size_t k) { return static_cast<std::int64_t>(k) * 60000; }

// Data whose books are deep around each open, so the zero-coefficient impact model fills every
// order whole at its reference price.
inline RunData deep_data(std::vector<Candle> candles, double capital = 10000.0) {
    RunData d = data_of(std::move(candles), capital);
    d.books = books_around_open(d.candles);
    return d;
}

}  // namespace prynox::test
