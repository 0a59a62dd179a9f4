#include "indicators/trade_prints/trade_imbalance.hpp"

#include <cmath>
#include <utility>

namespace prynox {

std::expected<TradeImbalance, IndicatorError> TradeImbalance::create(std::uint64_t period) {
    auto w = PairSumsWindow::create(period);
    if (!w) return std::unexpected(w.error());
    return TradeImbalance(std::move(*w));
}

OptionalValue TradeImbalance::update_trades(std::span<const TradePrint> prints) {
    OptionalValue result;
    for (const TradePrint& t : prints) {
        const ValuePair in = t.side == Side::Sell ? ValuePair{0.0, t.size} : ValuePair{t.size, 0.0};
        // The entering pair is added first, then the leaving one subtracted.
        double b = buy_ + in.first, s = sell_ + in.second;
        std::uint64_t nb = buys_ + (in.first != 0.0 ? 1 : 0), ns = sells_ + (in.second != 0.0 ? 1 : 0);
        if (pairs_.full()) {
            const ValuePair out = pairs_.oldest();
            b = b - out.first;
            s = s - out.second;
            nb -= out.first != 0.0 ? 1 : 0;
            ns -= out.second != 0.0 ? 1 : 0;
        }
        if (!std::isfinite(b + s)) [[unlikely]]  // either sum, or their total, overflowed
            continue;
        if (!pairs_.push(in)) [[unlikely]]
            return {};
        buy_ = b, sell_ = s, buys_ = nb, sells_ = ns;
        if (!pairs_.full()) {
            result = {};
            continue;
        }
        if (nb == 0 && ns == 0) {
            result = 0.0;
        } else if (ns == 0) {
            result = 1.0;
        } else if (nb == 0) {
            result = -1.0;
        } else {
            const double total = b + s;
            const double r = total <= 0.0 ? 0.0 : (b - s) / total;
            result = r < -1.0 ? -1.0 : r > 1.0 ? 1.0 : r;
        }
    }
    return result;
}

}  // namespace prynox
