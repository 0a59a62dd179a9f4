#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/engine/account.hpp"
#include "core/engine/metrics.hpp"
#include "core/engine/position_sizing.hpp"
#include "engine_test_support.hpp"

namespace prynox {
namespace {

using namespace prynox::test;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(EngineAccount, LongAndShortRoundTrips) {
    Account a;
    a.cash = 1000.0;
    open_account_position(a, 2.0, 100.0, 0.2, 7);
    EXPECT_EQ(a.cash, 1000.0 - (200.0 + 0.2));
    close_position(a, 9, 110.0, 0.22, kReasonSignal);
    ASSERT_EQ(a.trades.size(), 1u);
    const TradeRecord& t = a.trades[0];
    EXPECT_EQ(t.entry_time, 7);
    EXPECT_EQ(t.exit_time, 9);
    EXPECT_EQ(t.entry_price, 100.0);
    EXPECT_EQ(t.exit_price, 110.0);
    EXPECT_EQ(t.qty, 2.0);
    EXPECT_EQ(t.pnl, 19.580000000000002);  // 20 - 0.2 - 0.22 in that order
    EXPECT_EQ(t.return_pct, 9.7900000000000009);
    EXPECT_EQ(t.reason, "signal");
    // The cash moved by exactly the trade's pnl.
    EXPECT_EQ(a.cash, (799.8 + (220.0 - 0.22)));
    EXPECT_EQ(a.qty, 0.0);
    EXPECT_EQ(a.entry_fee, 0.0);
    EXPECT_EQ(a.entry_price, 100.0);  // kept until the next opening
    EXPECT_EQ(a.entry_time, 7);

    Account s;
    s.cash = 1000.0;
    open_account_position(s, -2.0, 100.0, 0.2, 1);
    EXPECT_EQ(s.cash, 1000.0 - (-200.0 + 0.2));
    close_position(s, 2, 110.0, 0.22, kReasonStopLoss);
    EXPECT_EQ(s.trades[0].pnl, -20.419999999999998);
    EXPECT_EQ(s.trades[0].qty, -2.0);
    EXPECT_EQ(s.trades[0].return_pct, -20.419999999999998 / 200.0 * 100.0);
    EXPECT_EQ(s.trades[0].reason, "stop_loss");
}

TEST(EngineAccount, ZeroBasisGivesZeroReturn) {
    Account a;
    a.cash = 10.0;
    open_account_position(a, 1.0, 1e-17, 0.0, 0);
    close_position(a, 1, 2.0, 0.5, kReasonEnd);
    EXPECT_EQ(a.trades[0].return_pct, 0.0);
    EXPECT_EQ(a.trades[0].pnl, (1.0 * (2.0 - 1e-17) - 0.0) - 0.5);
}

TEST(EngineMetrics, EquityCurveFigures) {
    const double e[] = {100, 120, 90};
    const Metrics m = compute_metrics(std::span<const double>(e), {}, 100.0);
    EXPECT_EQ(m.pnl, -10.0);
    EXPECT_EQ(m.return_pct, -10.0);
    EXPECT_EQ(m.max_drawdown, 25.0);
    const double r0 = 120.0 / 100.0 - 1.0;
    const double r1 = 90.0 / 120.0 - 1.0;
    const double mean = (r0 + r1) / 2.0;
    EXPECT_EQ(mean, -0.025000000000000022);
    const double sd = std::sqrt(((r0 - mean) * (r0 - mean) + (r1 - mean) * (r1 - mean)) / 2.0);
    EXPECT_EQ(m.sharpe, mean / sd);
    EXPECT_EQ(m.sortino, mean / std::sqrt((0.0 + r1 * r1) / 2.0));
    EXPECT_EQ(m.calmar, -10.0 / 25.0);
    EXPECT_EQ(m.win_rate, 0.0);
    EXPECT_EQ(m.profit_factor, 0.0);
    EXPECT_EQ(m.num_trades, 0u);
}

TEST(EngineMetrics, DegenerateCurves) {
    // A single bar: no ratios, pnl from that bar.
    const double one[] = {105.0};
    Metrics m = compute_metrics(std::span<const double>(one), {}, 100.0);
    EXPECT_EQ(m.pnl, 5.0);
    EXPECT_EQ(m.sharpe, 0.0);
    EXPECT_EQ(m.sortino, 0.0);
    EXPECT_EQ(m.calmar, kInf);  // never fell, gained

    // No bars at all: final equity is the capital.
    m = compute_metrics(std::span<const double>(), {}, 100.0);
    EXPECT_EQ(m.pnl, 0.0);
    EXPECT_EQ(m.calmar, 0.0);

    // Rising curve: no drawdown, no downside.
    const double up[] = {100, 110, 121};
    m = compute_metrics(std::span<const double>(up), {}, 100.0);
    EXPECT_EQ(m.max_drawdown, 0.0);
    EXPECT_EQ(m.calmar, kInf);
    EXPECT_EQ(m.sortino, 0.0);

    // Flat curve: sd 0 gives sharpe 0.
    const double flat[] = {100, 100, 100};
    m = compute_metrics(std::span<const double>(flat), {}, 100.0);
    EXPECT_EQ(m.sharpe, 0.0);
    EXPECT_EQ(m.calmar, 0.0);

    // Capital of (almost) zero: no return figure.
    m = compute_metrics(std::span<const double>(flat), {}, 1e-17);
    EXPECT_EQ(m.return_pct, 0.0);

    // A curve that starts below zero has no drawdown until its peak is above zero; a return
    // from an equity of zero counts as 0.
    const double under[] = {-50, -80, 0, 40, 10};
    m = compute_metrics(std::span<const double>(under), {}, 100.0);
    EXPECT_EQ(m.max_drawdown, 75.0);
    const double r[] = {-80.0 / -50.0 - 1.0, 0.0 / -80.0 - 1.0, 0.0, 10.0 / 40.0 - 1.0};
    const double mean = (((r[0] + r[1]) + r[2]) + r[3]) / 4.0;
    double dev = 0.0;
    for (double x : r) dev += (x - mean) * (x - mean);
    EXPECT_EQ(m.sharpe, mean / std::sqrt(dev / 4.0));
}

TEST(EngineMetrics, TradeFigures) {
    std::vector<TradeRecord> t(4);
    t[0].pnl = 10.0;
    t[1].pnl = -4.0;
    t[2].pnl = 0.0;
    t[3].pnl = 6.0;
    const double e[] = {1, 1};
    Metrics m = compute_metrics(std::span<const double>(e), t, 1.0);
    EXPECT_EQ(m.win_rate, 50.0);
    EXPECT_EQ(m.profit_factor, 4.0);
    EXPECT_EQ(m.num_trades, 4u);

    t.erase(t.begin() + 1);  // only winners (and a zero)
    m = compute_metrics(std::span<const double>(e), t, 1.0);
    EXPECT_EQ(m.profit_factor, kInf);
    EXPECT_EQ(m.win_rate, 2.0 / 3.0 * 100.0);

    std::vector<TradeRecord> losers(2);
    losers[0].pnl = -1.0;
    losers[1].pnl = -2.0;
    m = compute_metrics(std::span<const double>(e), losers, 1.0);
    EXPECT_EQ(m.profit_factor, 0.0);
    EXPECT_EQ(m.win_rate, 0.0);
}

std::vector<Candle> closes(std::vector<double> c) { return flat_candles(c); }

TEST(EngineSizing, Rules) {
    Risk risk;
    const auto none = std::span<const Candle>();
    EXPECT_EQ(*size_position(sizing(Sizing::Kind::FixedFraction, 0.5), risk, 10000, 50, none), 100.0);
    EXPECT_EQ(*size_position(sizing(Sizing::Kind::FixedCash, 2500), risk, 10000, 50, none), 50.0);
    EXPECT_EQ(*size_position(sizing(Sizing::Kind::FixedQty, 30), risk, 10000, 50, none), 30.0);
    // fixed_qty 300 at 50 is cut to the default limit of cash x 1.
    EXPECT_EQ(*size_position(sizing(Sizing::Kind::FixedQty, 300), risk, 10000, 50, none), 200.0);

    Risk stop;
    stop.stop_loss_pct = 2.0;
    EXPECT_EQ(*size_position(sizing(Sizing::Kind::RiskPerTrade, 1.0), stop, 10000, 50, none), 100.0);
    EXPECT_FALSE(size_position(sizing(Sizing::Kind::RiskPerTrade, 1.0), risk, 10000, 50, none));
    Risk zero_stop;
    zero_stop.stop_loss_pct = 0.0;
    EXPECT_FALSE(size_position(sizing(Sizing::Kind::RiskPerTrade, 1.0), zero_stop, 10000, 50, none));

    Risk capped;
    capped.max_position_pct = 10.0;
    EXPECT_EQ(*size_position(sizing(Sizing::Kind::FixedQty, 300), capped, 10000, 50, none), 20.0);
    Risk levered;
    levered.max_leverage = 3.0;
    EXPECT_EQ(*size_position(sizing(Sizing::Kind::FixedQty, 300), levered, 10000, 50, none), 300.0);
    levered.max_position_pct = 50.0;
    EXPECT_EQ(*size_position(sizing(Sizing::Kind::FixedQty, 300), levered, 10000, 50, none), 100.0);

    // Nothing without a positive price, cash or quantity.
    EXPECT_FALSE(size_position(sizing(Sizing::Kind::FixedQty, 1), risk, 10000, 0, none));
    EXPECT_FALSE(size_position(sizing(Sizing::Kind::FixedQty, 1), risk, 0, 50, none));
    EXPECT_FALSE(size_position(sizing(Sizing::Kind::FixedQty, 1), risk, -5, 50, none));
    EXPECT_FALSE(size_position(sizing(Sizing::Kind::FixedQty, 0), risk, 10000, 50, none));
    EXPECT_FALSE(size_position(sizing(Sizing::Kind::FixedFraction, -0.5), risk, 10000, 50, none));
    EXPECT_FALSE(size_position(sizing(Sizing::Kind::FixedQty, 1), risk, kNaN, 50, none));
    EXPECT_FALSE(size_position(sizing(Sizing::Kind::FixedQty, 1), risk, 10000, kNaN, none));
}

TEST(EngineSizing, VolTarget) {
    Risk risk;
    risk.max_leverage = 1e9;
    const auto c = closes({50, 100, 110, 99, 108.9});
    // The last 4 closes: returns 0.1, -0.1, 0.1.
    const auto vol = close_volatility(c, 4);
    ASSERT_TRUE(vol);
    const double r[] = {(110.0 - 100.0) / 100.0, (99.0 - 110.0) / 110.0, (108.9 - 99.0) / 99.0};
    const double mean = ((r[0] + r[1]) + r[2]) / 3.0;
    const double dev = (((r[0] - mean) * (r[0] - mean)) + ((r[1] - mean) * (r[1] - mean))) +
                       ((r[2] - mean) * (r[2] - mean));
    EXPECT_EQ(*vol, std::sqrt(dev / 3.0));
    EXPECT_EQ(*size_position(sizing(Sizing::Kind::VolTarget, 0.2, 4), risk, 10000, 50, c),
              10000.0 * 0.2 / *vol / 50.0);

    EXPECT_FALSE(close_volatility(c, 1));   // lookback below 2
    EXPECT_FALSE(close_volatility(c, 6));   // fewer rows than lookback
    EXPECT_FALSE(close_volatility(closes({7, 7, 7}), 3));  // no variance
    EXPECT_FALSE(close_volatility(closes({0, 0, 0}), 3));  // every pair skipped: no return
    // A pair whose earlier close is (almost) zero is skipped, the others still count.
    const auto z = close_volatility(closes({0, 5, 10, 5}), 4);
    ASSERT_TRUE(z);
    const double zr[] = {1.0, -0.5};
    const double zm = (zr[0] + zr[1]) / 2.0;
    EXPECT_EQ(*z, std::sqrt(((zr[0] - zm) * (zr[0] - zm) + (zr[1] - zm) * (zr[1] - zm)) / 2.0));
    EXPECT_FALSE(size_position(sizing(Sizing::Kind::VolTarget, 0.2, 1), risk, 10000, 50, c));
}

}  // namespace
}  // namespace prynox
