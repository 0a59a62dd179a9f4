#pragma once
// The result of a run, written by the report writer.
#include <cstdint>
#include <string>
#include <vector>

namespace prynox {

struct Metrics {
    double pnl = 0.0;
    double return_pct = 0.0;
    double sharpe = 0.0;
    double sortino = 0.0;
    double calmar = 0.0;
    double max_drawdown = 0.0;
    double win_rate = 0.0;
    double profit_factor = 0.0;
    std::uint64_t num_trades = 0;
};

struct TradeRecord {
    std::int64_t entry_time = 0;
    std::int64_t exit_time = 0;
    double entry_price = 0.0;
    double exit_price = 0.0;
    double qty = 0.0;
    double pnl = 0.0;
    double return_pct = 0.0;
    std::string reason;
};

struct EquityPoint {
    std::int64_t time = 0;
    double equity = 0.0;
};

struct BacktestReport {
    std::uint32_t schema_version = 1;
    std::string symbol;
    std::string timeframe;
    Metrics metrics;
    std::vector<TradeRecord> trades;
    std::vector<EquityPoint> equity;
    double fees_paid = 0.0;
    double initial_capital = 0.0;
};

struct ImpactStats {
    double avg_slippage_bps = 0.0;
    double liquidity_consumed = 0.0;
    std::uint64_t orders_partially_filled = 0;
};

struct RunResult {
    BacktestReport report;
    ImpactStats impact_stats;
};

}  // namespace prynox
