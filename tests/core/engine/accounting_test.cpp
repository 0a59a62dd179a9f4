#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "core/engine/account.hpp"
#include "core/engine/metrics.hpp"
#include "core/engine/position_sizing.hpp"
#include "engine_test_support.hpp"

namespace prynox {
namespace {

using namespace prynox::test;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Two units opened at 100 with fee 0.2 and closed at 110 with fee 0.22: pnl +-20 - 0.2 - 0.22,
// return against the entry value 200; entry price and time stay until the next opening.
TEST(EngineAccount, RoundTrips) {
    for (const double qty : {2.0, -2.0}) {
        Account a;
        a.cash = 1000.0;
        open_account_position(a, qty, 100.0, 0.2, 7);
        EXPECT_EQ(a.cash, qty > 0 ? 799.8 : 1199.8);
        close_position(a, 9, 110.0, 0.22, kReasonStopLoss);
        const TradeRecord& t = a.trades.at(0);
        EXPECT_EQ(std::tie(t.entry_time, t.exit_time, t.entry_price, t.exit_price, t.qty, t.reason),
                  std::make_tuple(7, 9, 100.0, 110.0, qty, "stop_loss"));
        EXPECT_EQ(t.pnl, qty > 0 ? 19.580000000000002 : -20.419999999999998);
        EXPECT_EQ(t.return_pct, qty > 0 ? 9.790000000000001 : -10.209999999999999);
        EXPECT_EQ(std::tie(a.cash, a.qty, a.entry_fee, a.entry_price, a.entry_time),
                  std::make_tuple(qty > 0 ? 1019.5799999999999 : 979.5799999999999, 0.0, 0.0, 100.0, 7));
    }
    Account z;  // an entry value of (almost) nothing gives no return figure
    open_account_position(z, 1.0, 1e-17, 0.0, 0);
    close_position(z, 1, 2.0, 0.5, kReasonEnd);
    EXPECT_EQ(std::tie(z.trades[0].pnl, z.trades[0].return_pct), std::make_tuple(1.5, 0.0));
}

TEST(EngineMetrics, Figures) {
    const struct {
        std::vector<double> equity, pnls;
        double capital;
        Metrics want;  // pnl, return_pct, sharpe, sortino, calmar, max_drawdown, win_rate, profit_factor, num_trades
    } cases[] = {
        // Returns 0.2 and -0.25 (mean -0.025), drawdown 25 %.
        {{100, 120, 90}, {}, 100, {-10, -10, -0.11111111111111122, -0.14142135623730961, -0.4, 25, 0, 0, 0}},
        {{105}, {}, 100, {5, 5, 0, 0, kInf, 0, 0, 0, 0}},  // one bar: no ratios; never fell, gained
        {{}, {}, 100, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {{100, 110, 121}, {}, 100, {21, 21, 0, 0, kInf, 0, 0, 0, 0}},  // equal returns, no downside
        {{100, 100, 100}, {}, 100, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {{100, 100, 100}, {}, 1e-17, {100, 0, 0, 0, 0, 0, 0, 0, 0}},
        // No drawdown until the peak is above zero; the return from an equity of 0 counts as 0.
        {{-50, -80, 0, 40, 10}, {}, 100, {-90, -90, -0.45573602867961904, -0.45999999999999996, -1.2, 75, 0, 0, 0}},
        {{1, 1}, {10, -4, 0, 6}, 1, {0, 0, 0, 0, 0, 0, 50, 4, 4}},
        {{1, 1}, {10, 0, 6}, 1, {0, 0, 0, 0, 0, 0, 66.66666666666666, kInf, 3}},
        {{1, 1}, {-1, -2}, 1, {0, 0, 0, 0, 0, 0, 0, 0, 2}},
    };
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const auto& c = cases[k];
        std::vector<TradeRecord> trades(c.pnls.size());
        for (std::size_t t = 0; t < trades.size(); ++t) trades[t].pnl = c.pnls[t];
        const Metrics m = compute_metrics(std::span<const double>(c.equity), trades, c.capital);
        const Metrics& w = c.want;
        EXPECT_EQ(std::tie(m.pnl, m.return_pct, m.sharpe, m.sortino, m.calmar, m.max_drawdown, m.win_rate,
                           m.profit_factor, m.num_trades),
                  std::tie(w.pnl, w.return_pct, w.sharpe, w.sortino, w.calmar, w.max_drawdown, w.win_rate,
                           w.profit_factor, w.num_trades))
            << k;
    }
}

TEST(EngineSizing, Rules) {
    using K = Sizing::Kind;
    // The last 4 closes have returns 0.1, -0.1 and 0.1: deviation 0.09428090415820635.
    const std::vector<Candle> history = flat({50, 100, 110, 99, 108.9});
    const struct {
        Sizing sizing;
        Risk risk;  // stop_loss_pct, take_profit_pct, trailing_stop_pct, max_leverage, max_position_pct
        double cash, price;
        std::optional<double> want;
    } cases[] = {
        {sizing(K::FixedFraction, 0.5), {}, 10000, 50, 100},
        {sizing(K::FixedCash, 2500), {}, 10000, 50, 50},
        {sizing(K::FixedQty, 30), {}, 10000, 50, 30},
        {sizing(K::FixedQty, 300), {}, 10000, 50, 200},  // cut to the default limit of cash x 1
        {sizing(K::RiskPerTrade, 1), {2.0, {}, {}, {}, {}}, 10000, 50, 100},
        {sizing(K::RiskPerTrade, 1), {}, 10000, 50, std::nullopt},
        {sizing(K::RiskPerTrade, 1), {0.0, {}, {}, {}, {}}, 10000, 50, std::nullopt},
        {sizing(K::FixedQty, 300), {{}, {}, {}, {}, 10.0}, 10000, 50, 20},
        {sizing(K::FixedQty, 300), {{}, {}, {}, 3.0, {}}, 10000, 50, 300},
        {sizing(K::FixedQty, 300), {{}, {}, {}, 3.0, 50.0}, 10000, 50, 100},
        {sizing(K::VolTarget, 0.2, 4), {{}, {}, {}, 1e9, {}}, 10000, 50, 424.2640687119285},
        {sizing(K::VolTarget, 0.2, 1), {{}, {}, {}, 1e9, {}}, 10000, 50, std::nullopt},  // lookback below 2
        {sizing(K::VolTarget, 0.2, 6), {{}, {}, {}, 1e9, {}}, 10000, 50, std::nullopt},  // fewer rows than that
        // Nothing without a positive price, cash or quantity.
        {sizing(K::FixedQty, 1), {}, 10000, 0, std::nullopt},
        {sizing(K::FixedQty, 1), {}, 0, 50, std::nullopt},
        {sizing(K::FixedQty, 1), {}, -5, 50, std::nullopt},
        {sizing(K::FixedQty, 0), {}, 10000, 50, std::nullopt},
        {sizing(K::FixedFraction, -0.5), {}, 10000, 50, std::nullopt},
        {sizing(K::FixedQty, 1), {}, kNaN, 50, std::nullopt},
        {sizing(K::FixedQty, 1), {}, 10000, kNaN, std::nullopt},
    };
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const auto& c = cases[k];
        EXPECT_EQ(size_position(c.sizing, c.risk, c.cash, c.price, history), c.want) << k;
    }
    EXPECT_EQ(close_volatility(history, 4), 0.09428090415820635);
    EXPECT_EQ(close_volatility(flat({7, 7, 7}), 3), std::nullopt);  // no variance
    EXPECT_EQ(close_volatility(flat({0, 0, 0}), 3), std::nullopt);  // every pair skipped: no return
    EXPECT_EQ(close_volatility(flat({0, 5, 10, 5}), 4), 0.75);     // returns 1 and -0.5; the pair from 0 is skipped
}

}  // namespace
}  // namespace prynox
