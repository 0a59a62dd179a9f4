#include "core/json/report_writer.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace prynox {
namespace {

BacktestReport report_of(std::string symbol, std::string timeframe) {
    BacktestReport r;
    r.symbol = std::move(symbol);
    r.timeframe = std::move(timeframe);
    return r;
}

TEST(ReportWriter, EmptyRunByteForByte) {
    BacktestReport r = report_of("BTC", "1h");
    r.initial_capital = 100000.0;
    EXPECT_EQ(write_report_json(r, ImpactStats{}),
              R"({"report":{"schema_version":1,"symbol":"BTC","timeframe":"1h","metrics":{"pnl":0.0,"return_pct":0.0,)"
              R"("sharpe":0.0,"sortino":0.0,"calmar":0.0,"max_drawdown":0.0,"win_rate":0.0,"profit_factor":0.0,)"
              R"("num_trades":0},"trades":[],"equity":[],"fees_paid":0.0,"initial_capital":100000.0},)"
              R"("impact_stats":{"avg_slippage_bps":0.0,"liquidity_consumed":0.0,"orders_partially_filled":0}})");
}

TEST(ReportWriter, FloatsTimesEscapesAndOrder) {
    BacktestReport r = report_of("a\"b\nc\\d\x01\xC3\xA9/", "1m");
    r.metrics = {0.1, -2.5, std::nan(""), std::numeric_limits<double>::infinity(), 1e16, 1e-7, 0.5, -0.0, 3};
    r.trades.push_back({-86400000, 5, 104.47213595, 1.23456789, 2.0, -1e-5, 1.5e-7, "stop_loss"});
    r.trades.push_back({1, 2, 1.0, 2.0, 0.25, 2.5e20, 0.0, "end"});
    r.equity.push_back({-1, 100000.0});
    r.equity.push_back({9223372036854775807LL, -std::numeric_limits<double>::infinity()});
    r.fees_paid = 1e-7;
    r.initial_capital = 100000.0;
    ImpactStats s{12.345, 0.00001, 18446744073709551615ull};
    EXPECT_EQ(write_report_json(r, s),
              R"({"report":{"schema_version":1,"symbol":"a\"b\nc\\d\u0001é/","timeframe":"1m","metrics":)"
              R"({"pnl":0.1,"return_pct":-2.5,"sharpe":null,"sortino":null,"calmar":1e16,"max_drawdown":1e-7,)"
              R"("win_rate":0.5,"profit_factor":-0.0,"num_trades":3},"trades":[{"entry_time":-86400000,"exit_time":5,)"
              R"("entry_price":104.47213595,"exit_price":1.23456789,"qty":2.0,"pnl":-0.00001,"return_pct":1.5e-7,)"
              R"("reason":"stop_loss"},{"entry_time":1,"exit_time":2,"entry_price":1.0,"exit_price":2.0,"qty":0.25,)"
              R"("pnl":2.5e20,"return_pct":0.0,"reason":"end"}],"equity":[{"time":-1,"equity":100000.0},)"
              R"({"time":9223372036854775807,"equity":null}],"fees_paid":1e-7,"initial_capital":100000.0},)"
              R"("impact_stats":{"avg_slippage_bps":12.345,"liquidity_consumed":0.00001,)"
              R"("orders_partially_filled":18446744073709551615}})");
}

}  // namespace
}  // namespace prynox
