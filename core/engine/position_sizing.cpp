#include "core/engine/position_sizing.hpp"

#include <cmath>

#include "core/engine/float_order.hpp"
#include "core/engine/rules.hpp"

namespace prynox {

std::optional<double> close_volatility(std::span<const Candle> history, std::uint32_t lookback) {
    if (lookback < 2 || history.size() < lookback) return std::nullopt;
    const std::span<const Candle> w = history.subspan(history.size() - lookback);
    // Two passes over the same returns rather than a copy of them.
    double sum = 0.0;
    std::size_t count = 0;
    for (std::size_t k = 1; k < w.size(); ++k) {
        const double prev = w[k - 1].close;
        if (std::fabs(prev) <= kEpsilon) continue;
        sum += (w[k].close - prev) / prev;
        ++count;
    }
    if (count == 0) return std::nullopt;
    const double n = static_cast<double>(count);
    const double mean = sum / n;
    double dev = 0.0;
    for (std::size_t k = 1; k < w.size(); ++k) {
        const double prev = w[k - 1].close;
        if (std::fabs(prev) <= kEpsilon) continue;
        const double d = (w[k].close - prev) / prev - mean;
        dev += d * d;
    }
    const double variance = dev / n;
    if (!(variance > 0.0)) return std::nullopt;
    return std::sqrt(variance);
}

std::optional<double> size_position(const Sizing& sizing, const Risk& risk, double cash, double price,
                                    std::span<const Candle> history) {
    // Not-a-number cash or price sizes nothing, like a non-positive one.
    if (!(price > 0.0) || !(cash > 0.0)) return std::nullopt;
    double q = 0.0;
    switch (sizing.kind) {
        case Sizing::Kind::FixedFraction: q = cash * sizing.value / price; break;
        case Sizing::Kind::FixedQty: q = sizing.value; break;
        case Sizing::Kind::FixedCash: q = sizing.value / price; break;
        case Sizing::Kind::VolTarget: {
            const std::optional<double> vol = close_volatility(history, sizing.lookback);
            if (!vol) return std::nullopt;
            q = cash * sizing.value / *vol / price;
            break;
        }
        case Sizing::Kind::RiskPerTrade: {
            if (!risk.stop_loss_pct || !(*risk.stop_loss_pct > 0.0)) return std::nullopt;
            q = (cash * sizing.value / 100.0) / (price * *risk.stop_loss_pct / 100.0);
            break;
        }
    }
    if (!(q > 0.0)) return std::nullopt;

    double limit = cash * risk.max_leverage.value_or(1.0);
    if (risk.max_position_pct) limit = min_num(limit, cash * *risk.max_position_pct / 100.0);
    const double notional = min_num(price * q, limit);
    return notional / price;
}

}  // namespace prynox
