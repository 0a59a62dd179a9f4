#pragma once
// Builders for specifications, market data and scripted indicators used by the engine tests.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/engine/backtest.hpp"
#include "core/registry/indicator_source.hpp"
#include "support/owned_book.hpp"

namespace prynox::test {

// Operands and conditions own their children and cannot be copied out of an initializer list.
template <class T, class... A>
std::vector<T> list_of(A&&... a) {
    std::vector<T> v;
    (v.push_back(std::forward<A>(a)), ...);
    return v;
}

using EK = Expr::Kind;
using CK = Condition::Kind;
inline Operand ref(std::string text) { return Operand::reference(std::move(text)); }
inline Operand num(double v) { return Operand::constant(v); }
inline Operand expr(EK kind, Operand a = {}, Operand b = {}, std::uint32_t n = 0, PriceSource p = PriceSource::Close) {
    return Operand::expression(Expr{kind, p, n, std::move(a), std::move(b)});
}
inline Operand price(PriceSource p) { return expr(EK::Price, {}, {}, 0, p); }
inline Operand close() { return price(PriceSource::Close); }
inline Operand prev(Operand x, std::uint32_t n) { return expr(EK::Prev, std::move(x), {}, n); }
inline Operand add(Operand a, Operand b) { return expr(EK::Add, std::move(a), std::move(b)); }
inline Operand sub(Operand a, Operand b) { return expr(EK::Sub, std::move(a), std::move(b)); }
inline Operand mul(Operand a, Operand b) { return expr(EK::Mul, std::move(a), std::move(b)); }
inline Operand div(Operand a, Operand b) { return expr(EK::Div, std::move(a), std::move(b)); }

inline std::vector<Operand> two(Operand a, Operand b) { return list_of<Operand>(std::move(a), std::move(b)); }
inline Condition node(CK kind, std::vector<Operand> ops, std::vector<Condition> children = {}, std::uint32_t n = 0,
                      Cmp cmp = Cmp::Gt, bool flag = false) {
    return Condition{kind, std::move(ops), std::move(children), n, cmp, flag};
}
inline Condition gt(Operand a, Operand b) { return node(CK::Gt, two(std::move(a), std::move(b))); }
inline Condition lt(Operand a, Operand b) { return node(CK::Lt, two(std::move(a), std::move(b))); }
inline Condition ge(Operand a, Operand b) { return node(CK::Ge, two(std::move(a), std::move(b))); }
inline Condition le(Operand a, Operand b) { return node(CK::Le, two(std::move(a), std::move(b))); }
inline Condition eq(Operand a, Operand b) { return node(CK::Eq, two(std::move(a), std::move(b))); }
inline Condition ne(Operand a, Operand b) { return node(CK::Ne, two(std::move(a), std::move(b))); }
inline Condition cross_above(Operand a, Operand b) { return node(CK::CrossAbove, two(std::move(a), std::move(b))); }
inline Condition cross_below(Operand a, Operand b) { return node(CK::CrossBelow, two(std::move(a), std::move(b))); }
inline Condition between(Operand x, Operand lo, Operand hi) {
    return node(CK::Between, list_of<Operand>(std::move(x), std::move(lo), std::move(hi)));
}
inline Condition rising(Operand x, std::uint32_t n) { return node(CK::Rising, list_of<Operand>(std::move(x)), {}, n); }
inline Condition falling(Operand x, std::uint32_t n) {
    return node(CK::Falling, list_of<Operand>(std::move(x)), {}, n);
}
template <class... C>
Condition all(C&&... c) { return node(CK::All, {}, list_of<Condition>(std::forward<C>(c)...)); }
template <class... C>
Condition any(C&&... c) { return node(CK::Any, {}, list_of<Condition>(std::forward<C>(c)...)); }
inline Condition not_(Condition inner) { return node(CK::Not, {}, list_of<Condition>(std::move(inner))); }
inline Condition in_position(bool flag) { return node(CK::InPosition, {}, {}, 0, Cmp::Gt, flag); }
inline Condition bars_since_entry(Cmp cmp, std::uint32_t n) { return node(CK::BarsSinceEntry, {}, {}, n, cmp); }
inline Condition always() { return all(); }
inline Condition never() { return any(); }
// True on bar 0 only: one bar back lies before the data there.
inline Condition first_bar() { return not_(gt(prev(num(1), 1), num(0))); }

inline std::int64_t bar_time(std::size_t k) { return static_cast<std::int64_t>(k) * 60000; }
// Candles one minute apart from time 0; {p} is a bar at one price, {o, h, l, c} a full bar.
inline std::vector<Candle> bars(const std::vector<std::vector<double>>& rows) {
    std::vector<Candle> out;
    for (const auto& b : rows) {
        const std::size_t k = b.size() == 1 ? 0 : 1;  // high, low and close at k, 2k and 3k
        out.push_back(Candle{bar_time(out.size()), b[0], b[k], b[2 * k], b[3 * k], 0});
    }
    return out;
}
inline std::vector<Candle> flat(const std::vector<double>& prices) {
    std::vector<Candle> out;
    for (double p : prices) out.push_back(Candle{bar_time(out.size()), p, p, p, p, 0});
    return out;
}

inline OwnedBook deep_book(double bid, double ask, double size = 1e12) { return {{{bid, size}}, {{ask, size}}}; }
inline BookModel walk(std::optional<std::uint64_t> levels = {}) { return {BookModel::Kind::OrderbookWalk, levels, 0}; }
inline BookModel linear_impact(double coef) { return {BookModel::Kind::LinearImpact, {}, coef}; }
inline BookModel square_root(double coef) { return {BookModel::Kind::SquareRoot, {}, coef}; }
inline Sizing sizing(Sizing::Kind kind, double value, std::uint32_t lookback = 0) { return {kind, value, lookback}; }

// Fixed quantity 1 on the linear impact model with coefficient 0: against a deep book every
// order fills whole at its reference price, which keeps the numbers of a scenario plain.
inline ImpactSpec base_spec() {
    ImpactSpec spec;
    spec.strategy.timeframe = "1m";
    spec.strategy.entry = never();
    spec.strategy.exit = never();
    spec.strategy.sizing = sizing(Sizing::Kind::FixedQty, 1.0);
    spec.book_model = linear_impact(0.0);
    return spec;
}
inline RunData data_of(std::vector<Candle> candles, double capital = 10000.0) {
    return {std::move(candles), capital, {}, {}, {}, {}};
}
// Books one half away from each open on both sides, deep enough for any test order.
inline RunData deep_data(std::vector<Candle> candles, double capital = 10000.0) {
    RunData d = data_of(std::move(candles), capital);
    d.books.emplace();
    for (const Candle& c : d.candles) {
        const OwnedBook b = deep_book(c.open - 0.5, c.open + 0.5);
        d.books->push_back(b.bids, b.asks);
    }
    return d;
}

// What a scripted indicator gives on each bar: a value or none, and its named outputs.
struct ScriptedBar {
    std::optional<double> value;
    std::vector<NamedOutput> outputs = {};
};

// Plays back a script (none past its end), reports a fixed warm-up and logs what it was handed.
class ScriptedIndicator final : public Indicator {
public:
    struct Log {
        std::vector<BarContext> contexts;
        std::vector<std::vector<TradePrint>> trades;  // copies: the span dies with the bar
        std::vector<std::optional<OrderBook>> books;  // the view itself: the pointer dies with the bar
    };
    // The type's output names are those of its longest scripted list.
    ScriptedIndicator(std::vector<ScriptedBar> script, std::uint64_t warmup, std::shared_ptr<Log> log)
        : script_(std::move(script)), warmup_(warmup), log_(std::move(log)) {
        for (const auto& bar : script_) {
            if (bar.outputs.size() <= names_.size()) continue;
            names_.clear();
            for (const auto& o : bar.outputs) names_.push_back(o.name);
        }
    }
    OptionalValue update(const BarContext& ctx) override {
        if (log_) {
            log_->contexts.push_back(ctx);
            log_->trades.emplace_back(ctx.trades.begin(), ctx.trades.end());
            log_->books.push_back(ctx.book != nullptr ? std::optional<OrderBook>(*ctx.book) : std::nullopt);
        }
        const std::size_t bar = bar_++;
        if (bar >= script_.size()) return std::nullopt;
        current_ = script_[bar].outputs;
        return script_[bar].value;
    }
    std::span<const NamedOutput> outputs() const override { return current_; }
    std::span<const char* const> output_names() const override { return names_; }
    std::uint64_t warmup_period() const override { return warmup_; }

private:
    std::vector<const char*> names_;
    std::vector<ScriptedBar> script_;
    std::uint64_t warmup_;
    std::shared_ptr<Log> log_;
    std::size_t bar_ = 0;
    std::vector<NamedOutput> current_;
};

// Indicator types by name for a run; an unknown name fails as the registry's does.
class ScriptedSource final : public IndicatorSource {
public:
    struct Type {
        std::vector<ScriptedBar> script = {};
        std::uint64_t warmup = 0;
        std::optional<Feed> feed = {};
        std::shared_ptr<ScriptedIndicator::Log> log = {};
    };
    void add(std::string name, Type type) { types_[std::move(name)] = std::move(type); }
    mutable std::vector<std::string> built;  // type names in build order

    std::expected<std::unique_ptr<Indicator>, EngineError> build(std::string_view type,
                                                                 std::span<const double>) const override {
        auto it = types_.find(std::string(type));
        if (it == types_.end()) return std::unexpected(EngineError::unknown_indicator(std::string(type)));
        built.emplace_back(type);
        return std::make_unique<ScriptedIndicator>(it->second.script, it->second.warmup, it->second.log);
    }
    std::optional<Feed> feed(std::string_view type) const override {
        auto it = types_.find(std::string(type));
        return it == types_.end() ? std::nullopt : it->second.feed;
    }

private:
    std::map<std::string, Type> types_;
};

inline IndicatorSpec indicator(std::string type, std::optional<Feed> feed = {}) { return {std::move(type), {}, feed}; }

inline RunResult run_ok(const ImpactSpec& spec, const RunData& data,
                        const IndicatorSource& source = registry_indicator_source()) {
    auto r = run_backtest(spec, data, source);
    if (!r) throw std::runtime_error("run failed: " + r.error().display());
    return std::move(*r);
}

}  // namespace prynox::test
