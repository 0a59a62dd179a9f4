// Many small random runs over hostile data and settings: nothing may crash, every run must
// give one equity point per candle, and the trades must be well formed.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

#include "core/engine/rules.hpp"
#include "engine_test_support.hpp"

namespace prynox {
namespace {

using namespace prynox::test;

class Dice {
public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return state_ >> 17;
    }
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
    std::uint32_t count(std::size_t n) { return static_cast<std::uint32_t>(below(n)); }
    bool coin() { return (next() & 1) != 0; }
    double unit() { return static_cast<double>(next() % 1000000) / 1000000.0; }
    // Mostly ordinary numbers, sometimes the awkward ones.
    double value(double scale) {
        constexpr double kAwkward[] = {0.0, -0.0, std::numeric_limits<double>::infinity(), -1.0, 1e-300, 1e300,
                                       std::numeric_limits<double>::quiet_NaN()};
        const std::size_t k = below(24);
        if (k >= std::size(kAwkward)) return scale * (0.5 + unit());
        return k == 3 ? -scale : kAwkward[k];
    }
    std::optional<double> maybe(double scale) { return coin() ? std::nullopt : std::optional(value(scale)); }

private:
    std::uint64_t state_;
};

Operand random_operand(Dice& d, int depth) {
    switch (d.below(depth > 2 ? 3 : 6)) {
        case 0: return num(d.value(100));
        case 1: return price(static_cast<PriceSource>(d.below(7)));
        case 2: return ref(d.coin() ? "x" : (d.coin() ? "x.up" : "y"));
        case 3: return prev(random_operand(d, depth + 1), d.count(4));
        default:
            return expr(static_cast<EK>(2 + d.below(4)), random_operand(d, depth + 1), random_operand(d, depth + 1));
    }
}

Condition random_rule(Dice& d, int depth) {
    Condition c{static_cast<CK>(d.below(depth > 2 ? 11 : 16)), {}, {}, 0, Cmp::Gt, false};
    const std::size_t operands[] = {2, 2, 2, 2, 2, 2, 2, 2, 3, 1, 1, 0, 0, 0, 0, 0};  // by kind
    for (std::size_t k = 0; k < operands[static_cast<int>(c.kind)]; ++k) c.operands.push_back(random_operand(d, depth));
    if (c.kind == CK::All || c.kind == CK::Any) {
        for (std::size_t k = d.below(3); k > 0; --k) c.children.push_back(random_rule(d, depth + 1));
    }
    if (c.kind == CK::Not) c.children.push_back(random_rule(d, depth + 1));
    c.count = d.count(4);
    c.cmp = static_cast<Cmp>(d.below(5));
    c.flag = d.coin();
    return c;
}

TEST(EngineRandomRuns, HostileInputsNeverBreakARun) {
    Dice d(2024);
    const std::set<std::string> reasons = {"signal", "stop_loss", "trailing_stop", "take_profit", "liquidation", "end"};
    std::size_t with_trades = 0;
    for (int run = 0; run < 3000; ++run) {
        ImpactSpec spec = base_spec();
        StrategySpec& s = spec.strategy;
        s.indicators = {{"x", indicator("X")}, {"y", indicator("Y")}};
        s.entry = random_rule(d, 0);
        s.exit = random_rule(d, 0);
        if (d.coin()) s.short_entry = random_rule(d, 0);
        if (d.coin()) s.short_exit = random_rule(d, 0);
        s.sizing = sizing(static_cast<Sizing::Kind>(d.below(4)), d.value(1.0), d.count(6));
        if (d.coin()) s.sizing = sizing(Sizing::Kind::RiskPerTrade, d.value(2.0));
        s.costs = {d.value(5), d.value(10), {}, d.coin()};
        s.risk = {d.maybe(5), d.maybe(5), d.maybe(5), d.maybe(3), d.maybe(50), d.coin()};
        if (s.sizing.kind == Sizing::Kind::RiskPerTrade) s.risk.stop_loss_pct = d.value(5.0);
        const bool at_close = d.below(4) == 0;
        const OrderType order = at_close ? OrderType::Market : static_cast<OrderType>(d.below(4));
        const FillTiming timing = at_close ? FillTiming::Close : FillTiming::NextOpen;
        s.execution = {order, timing, d.value(2), d.value(2), at_close ? 0 : d.count(3), false, {}};
        if (d.coin()) s.warmup = d.count(4);
        const std::size_t model = d.below(3);
        spec.book_model = model == 0 ? walk(d.coin() ? std::optional<std::uint64_t>(d.below(3)) : std::nullopt)
                                     : (model == 1 ? linear_impact(d.unit()) : square_root(d.unit() * 3));
        spec.participation_cap = 0.1 + 0.9 * d.unit();
        spec.latency_ms = d.below(3) == 0 ? d.below(200000) : 0;

        const std::size_t n = 1 + d.below(30);
        RunData data = data_of({}, d.below(10) == 0 ? d.value(1000) : 10000.0);
        double p = 100.0;
        for (std::size_t k = 0; k < n; ++k) {
            const double o = d.below(15) == 0 ? d.value(100) : p;
            p = p * (0.9 + 0.2 * d.unit());
            const double c = d.below(15) == 0 ? d.value(100) : p;
            const double high = std::fmax(o, c) * 1.01, low = std::fmin(o, c) * 0.99;
            data.candles.push_back(Candle{static_cast<std::int64_t>(k), o, high, low, c, d.value(10)});
        }
        if (model == 0 || d.coin()) data.books.emplace();
        if (d.coin()) data.derivs = std::vector<DerivativesTick>(n);
        if (d.coin()) data.trades = std::vector<std::vector<TradePrint>>(n);
        if (d.coin()) data.reference = data.candles;
        ScriptedSource::Type x{.warmup = d.below(5)};
        for (std::size_t k = 0; k < n; ++k) {
            if (data.books) {
                OwnedBook b;
                for (auto* side : {&b.bids, &b.asks}) {
                    for (std::size_t l = d.below(4); l > 0; --l) side->push_back({d.value(100), d.value(5)});
                }
                data.books->push_back(b.bids, b.asks);
            }
            if (data.derivs) {
                const double funding = d.value(0.001), mark = d.value(100);
                (*data.derivs)[k] = {.funding_rate = funding, .mark_price = mark, .index_price = mark,
                                     .futures_price = mark};
            }
            for (std::size_t l = data.trades ? d.below(3) : 0; l > 0; --l) {
                (*data.trades)[k].push_back({d.value(100), d.value(2), Side::Buy, 0});
            }
            x.script.push_back({d.below(4) != 0 ? std::optional(d.value(100)) : std::nullopt,
                                {{"up", d.value(100)}, {"down", d.value(100)}}});
        }
        ScriptedSource src;
        src.add("X", x);
        src.add("Y", {.script = {{d.value(100)}, {std::nullopt}, {d.value(1)}}, .warmup = d.below(3)});

        auto r = run_backtest(spec, data, src);
        if (!r) continue;  // refused settings (a NaN participation cap, a bad coefficient, ...)
        ASSERT_EQ(r->report.equity.size(), n);
        for (std::size_t k = 0; k < n; ++k) ASSERT_EQ(r->report.equity[k].time, static_cast<std::int64_t>(k));
        if (!r->report.trades.empty()) ++with_trades;
        for (const TradeRecord& t : r->report.trades) {
            ASSERT_TRUE(reasons.count(t.reason)) << t.reason;
            ASSERT_LE(t.entry_time, t.exit_time);
            ASSERT_GT(std::fabs(t.qty), kEpsilon);
            ASSERT_GT(t.entry_price, 0.0);
        }
        ASSERT_EQ(r->report.metrics.num_trades, r->report.trades.size());
    }
    EXPECT_GT(with_trades, 200u);  // the generator does reach the trading paths
}

}  // namespace
}  // namespace prynox
