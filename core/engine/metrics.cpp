#include "core/engine/metrics.hpp"

#include <cmath>
#include <limits>

#include "core/engine/float_order.hpp"
#include "core/engine/rules.hpp"

namespace prynox {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

double value_of(double v) { return v; }
double value_of(const EquityPoint& p) { return p.equity; }

// Per-bar return from e[k] to e[k + 1]; 0 from an equity of (almost) nothing.
template <class T>
double bar_return(std::span<const T> e, std::size_t k) {
    const double from = value_of(e[k]);
    if (std::fabs(from) < kEpsilon) return 0.0;
    return value_of(e[k + 1]) / from - 1.0;
}

template <class T>
Metrics metrics_of(std::span<const T> e, std::span<const TradeRecord> trades, double capital) {
    Metrics m;
    const std::size_t count = e.size();
    const double final_equity = count == 0 ? capital : value_of(e[count - 1]);
    m.pnl = final_equity - capital;
    m.return_pct = std::fabs(capital) < kEpsilon ? 0.0 : m.pnl / capital * 100.0;

    if (count >= 2) {
        const double n = static_cast<double>(count - 1);
        double sum = 0.0;
        for (std::size_t k = 0; k + 1 < count; ++k) sum += bar_return(e, k);
        const double mean = sum / n;
        double dev = 0.0;
        double down = 0.0;
        for (std::size_t k = 0; k + 1 < count; ++k) {
            const double r = bar_return(e, k);
            const double d = r - mean;
            dev += d * d;
            const double neg = min_num(r, 0.0);
            down += neg * neg;
        }
        const double sd = std::sqrt(dev / n);
        m.sharpe = std::fabs(sd) < kEpsilon ? 0.0 : mean / sd;
        const double downside = std::sqrt(down / n);
        m.sortino = std::fabs(downside) < kEpsilon ? 0.0 : mean / downside;
    }

    double peak = -kInfinity;
    double max_dd = 0.0;
    for (std::size_t k = 0; k < count; ++k) {
        const double v = value_of(e[k]);
        if (v > peak) peak = v;
        if (peak > 0.0) {
            const double dd = (peak - v) / peak * 100.0;
            if (dd > max_dd) max_dd = dd;
        }
    }
    m.max_drawdown = max_dd;
    if (std::fabs(max_dd) < kEpsilon) {
        m.calmar = m.return_pct > 0.0 ? kInfinity : 0.0;
    } else {
        m.calmar = m.return_pct / max_dd;
    }

    std::size_t wins = 0;
    double gross_profit = 0.0;
    double gross_loss = 0.0;
    for (const TradeRecord& t : trades) {
        if (t.pnl > 0.0) {
            ++wins;
            gross_profit += t.pnl;
        } else if (t.pnl < 0.0) {
            gross_loss += -t.pnl;
        }
    }
    m.win_rate = trades.empty() ? 0.0 : static_cast<double>(wins) / static_cast<double>(trades.size()) * 100.0;
    if (std::fabs(gross_loss) < kEpsilon) {
        m.profit_factor = gross_profit > 0.0 ? kInfinity : 0.0;
    } else {
        m.profit_factor = gross_profit / gross_loss;
    }
    m.num_trades = trades.size();
    return m;
}

}  // namespace

Metrics compute_metrics(std::span<const double> equity, std::span<const TradeRecord> trades, double capital) {
    return metrics_of(equity, trades, capital);
}

Metrics compute_metrics(std::span<const EquityPoint> equity, std::span<const TradeRecord> trades, double capital) {
    return metrics_of(equity, trades, capital);
}

}  // namespace prynox
