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
    bool coin() { return (next() & 1) != 0; }
    double unit() { return static_cast<double>(next() % 1000000) / 1000000.0; }
    // Mostly ordinary numbers, sometimes the awkward ones.
    double value(double scale) {
        switch (below(24)) {
            case 0: return 0.0;
            case 1: return -0.0;
            case 2: return std::numeric_limits<double>::infinity();
            case 3: return -scale;
            case 4: return 1e-300;
            case 5: return 1e300;
            case 6: return std::numeric_limits<double>::quiet_NaN();
            default: return scale * (0.5 + unit());
        }
    }

private:
    std::uint64_t state_;
};

Operand random_operand(Dice& d, int depth) {
    switch (d.below(depth > 2 ? 3 : 6)) {
        case 0: return num(d.value(100));
        case 1: return price(static_cast<PriceSource>(d.below(7)));
        case 2: return ref(d.coin() ? "x" : (d.coin() ? "x.up" : "y"));
        case 3: return prev(random_operand(d, depth + 1), static_cast<std::uint32_t>(d.below(4)));
        default:
            return arith(static_cast<Expr::Kind>(2 + d.below(4)), random_operand(d, depth + 1),
                         random_operand(d, depth + 1));
    }
}

Condition random_rule(Dice& d, int depth) {
    const auto kind = static_cast<Condition::Kind>(d.below(depth > 2 ? 11 : 16));
    Condition c;
    c.kind = kind;
    switch (kind) {
        case Condition::Kind::Between:
            for (int k = 0; k < 3; ++k) c.operands.push_back(random_operand(d, depth));
            break;
        case Condition::Kind::Rising:
        case Condition::Kind::Falling:
            c.operands.push_back(random_operand(d, depth));
            c.count = static_cast<std::uint32_t>(d.below(4));
            break;
        case Condition::Kind::All:
        case Condition::Kind::Any:
            for (std::size_t k = d.below(3); k > 0; --k) c.children.push_back(random_rule(d, depth + 1));
            break;
        case Condition::Kind::Not: c.children.push_back(random_rule(d, depth + 1)); break;
        case Condition::Kind::InPosition: c.flag = d.coin(); break;
        case Condition::Kind::BarsSinceEntry:
            c.cmp = static_cast<Cmp>(d.below(5));
            c.count = static_cast<std::uint32_t>(d.below(4));
            break;
        default:
            c.operands.push_back(random_operand(d, depth));
            c.operands.push_back(random_operand(d, depth));
            break;
    }
    return c;
}

std::optional<double> maybe(Dice& d, double scale) {
    if (d.coin()) return std::nullopt;
    return d.value(scale);
}

TEST(EngineRandomRuns, HostileInputsNeverBreakARun) {
    Dice d(2024);
    const std::set<std::string> reasons = {"signal", "stop_loss", "trailing_stop", "take_profit", "liquidation", "end"};
    std::size_t with_trades = 0;
    for (int run = 0; run < 3000; ++run) {
        ImpactSpec spec = base_spec();
        StrategySpec& s = spec.strategy;
        s.indicators["x"] = indicator("X");
        s.indicators["y"] = indicator("Y");
        s.entry = random_rule(d, 0);
        s.exit = random_rule(d, 0);
        if (d.coin()) s.short_entry = random_rule(d, 0);
        if (d.coin()) s.short_exit = random_rule(d, 0);
        s.sizing = sizing(static_cast<Sizing::Kind>(d.below(4)), d.value(1.0), static_cast<std::uint32_t>(d.below(6)));
        if (d.coin()) {
            s.sizing = sizing(Sizing::Kind::RiskPerTrade, d.value(2.0));
            s.risk.stop_loss_pct = d.value(5.0);
        }
        s.costs.maker_bps = d.value(5);
        s.costs.taker_bps = d.value(10);
        s.costs.funding = d.coin();
        if (!s.risk.stop_loss_pct) s.risk.stop_loss_pct = maybe(d, 5);
        s.risk.take_profit_pct = maybe(d, 5);
        s.risk.trailing_stop_pct = maybe(d, 5);
        s.risk.max_leverage = maybe(d, 3);
        s.risk.max_position_pct = maybe(d, 50);
        s.risk.liquidation = d.coin();
        s.execution.fill_timing = d.below(4) == 0 ? FillTiming::Close : FillTiming::NextOpen;
        if (s.execution.fill_timing == FillTiming::NextOpen) {
            s.execution.order_type = static_cast<OrderType>(d.below(4));
            s.execution.latency_bars = static_cast<std::uint32_t>(d.below(3));
        }
        s.execution.limit_offset_pct = d.value(2);
        s.execution.stop_offset_pct = d.value(2);
        if (d.coin()) s.warmup = static_cast<std::uint32_t>(d.below(4));
        const int model = static_cast<int>(d.below(3));
        spec.book_model = model == 0 ? walk(d.coin() ? std::optional<std::uint64_t>(d.below(3)) : std::nullopt)
                                     : (model == 1 ? linear_impact(d.unit()) : square_root(d.unit() * 3));
        spec.participation_cap = 0.1 + 0.9 * d.unit();
        spec.latency_ms = d.below(3) == 0 ? d.below(200000) : 0;

        const std::size_t n = 1 + d.below(30);
        RunData data;
        data.capital = d.below(10) == 0 ? d.value(1000) : 10000.0;
        double p = 100.0;
        for (std::size_t k = 0; k < n; ++k) {
            const double o = d.below(15) == 0 ? d.value(100) : p;
            p = p * (0.9 + 0.2 * d.unit());
            const double c = d.below(15) == 0 ? d.value(100) : p;
            data.candles.push_back(Candle{static_cast<std::int64_t>(k), o, std::fmax(o, c) * 1.01,
                                          std::fmin(o, c) * 0.99, c, d.value(10)});
        }
        if (model == 0 || d.coin()) {
            data.books.emplace();
            for (std::size_t k = 0; k < n; ++k) {
                OrderBook b;
                for (std::size_t l = d.below(4); l > 0; --l) b.bids.push_back({d.value(100), d.value(5)});
                for (std::size_t l = d.below(4); l > 0; --l) b.asks.push_back({d.value(100), d.value(5)});
                data.books->push_back(std::move(b));
            }
        }
        if (d.coin()) {
            data.derivs.emplace();
            for (std::size_t k = 0; k < n; ++k) {
                DerivativesTick t;
                t.funding_rate = d.value(0.001);
                t.mark_price = t.index_price = t.futures_price = d.value(100);
                data.derivs->push_back(t);
            }
        }
        if (d.coin()) {
            data.trades.emplace();
            for (std::size_t k = 0; k < n; ++k) {
                std::vector<TradePrint> prints;
                for (std::size_t l = d.below(3); l > 0; --l) prints.push_back({d.value(100), d.value(2), Side::Buy, 0});
                data.trades->push_back(std::move(prints));
            }
        }
        if (d.coin()) data.reference = data.candles;

        ScriptedSource src;
        std::vector<ScriptedBar> xs;
        for (std::size_t k = 0; k < n; ++k) {
            ScriptedBar bar;
            if (d.below(4) != 0) bar.value = d.value(100);
            bar.outputs = {{"up", d.value(100)}, {"down", d.value(100)}};
            xs.push_back(bar);
        }
        ScriptedSource::Type x;
        x.script = xs;
        x.warmup = d.below(5);
        src.add("X", x);
        src.add_values("Y", {d.value(100), std::nullopt, d.value(1)}, d.below(3));

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
