#include "core/json/report_writer.hpp"

#include "core/json/json_writer.hpp"

namespace prynox {
namespace {

void member_float(std::string& out, const char* key_with_colon, double v) {
    out += key_with_colon;
    append_json_float(out, v);
}

}  // namespace

void write_report_json(std::string& out, const BacktestReport& r, const ImpactStats& s) {
    // At least what a bar and a trade take with 13-digit times and long floats, so that a large
    // report never reallocates (a reallocation would hold both buffers at once).
    out.reserve(out.size() + 512 + r.symbol.size() * 6 + r.timeframe.size() * 6 + r.equity.size() * 56 +
                r.trades.size() * 256);
    out += "{\"report\":{\"schema_version\":";
    append_json_uint(out, r.schema_version);
    out += ",\"symbol\":";
    append_json_string(out, r.symbol);
    out += ",\"timeframe\":";
    append_json_string(out, r.timeframe);
    const Metrics& m = r.metrics;
    member_float(out, ",\"metrics\":{\"pnl\":", m.pnl);
    member_float(out, ",\"return_pct\":", m.return_pct);
    member_float(out, ",\"sharpe\":", m.sharpe);
    member_float(out, ",\"sortino\":", m.sortino);
    member_float(out, ",\"calmar\":", m.calmar);
    member_float(out, ",\"max_drawdown\":", m.max_drawdown);
    member_float(out, ",\"win_rate\":", m.win_rate);
    member_float(out, ",\"profit_factor\":", m.profit_factor);
    out += ",\"num_trades\":";
    append_json_uint(out, m.num_trades);
    out += "},\"trades\":[";
    bool first = true;
    for (const TradeRecord& t : r.trades) {
        if (!first) out += ',';
        first = false;
        out += "{\"entry_time\":";
        append_json_int(out, t.entry_time);
        out += ",\"exit_time\":";
        append_json_int(out, t.exit_time);
        member_float(out, ",\"entry_price\":", t.entry_price);
        member_float(out, ",\"exit_price\":", t.exit_price);
        member_float(out, ",\"qty\":", t.qty);
        member_float(out, ",\"pnl\":", t.pnl);
        member_float(out, ",\"return_pct\":", t.return_pct);
        out += ",\"reason\":";
        append_json_string(out, t.reason);
        out += '}';
    }
    out += "],\"equity\":[";
    first = true;
    for (const EquityPoint& e : r.equity) {
        if (!first) out += ',';
        first = false;
        out += "{\"time\":";
        append_json_int(out, e.time);
        member_float(out, ",\"equity\":", e.equity);
        out += '}';
    }
    out += ']';
    member_float(out, ",\"fees_paid\":", r.fees_paid);
    member_float(out, ",\"initial_capital\":", r.initial_capital);
    member_float(out, "},\"impact_stats\":{\"avg_slippage_bps\":", s.avg_slippage_bps);
    member_float(out, ",\"liquidity_consumed\":", s.liquidity_consumed);
    out += ",\"orders_partially_filled\":";
    append_json_uint(out, s.orders_partially_filled);
    out += "}}";
}

std::string write_report_json(const BacktestReport& report, const ImpactStats& stats) {
    std::string out;
    write_report_json(out, report, stats);
    return out;
}

}  // namespace prynox
