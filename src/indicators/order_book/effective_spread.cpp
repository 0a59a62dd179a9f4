#include "indicators/order_book/effective_spread.hpp"

#include <cmath>

#include "indicators/cores/trade_sign.hpp"
#include "indicators/order_book/quote_mid.hpp"

namespace prynox {

OptionalValue EffectiveSpread::update_trade_quote(const TradeQuote& tq) const {
    const OptionalValue q = quote_mid(tq);
    if (tq.trades.empty() || !q) return {};
    const TradePrint& t = tq.trades.back();
    const double v = (((2.0 * trade_sign(t)) * (t.price - *q)) / *q) * 10000.0;
    if (!std::isfinite(v)) [[unlikely]]
        return {};
    return v;
}

}  // namespace prynox
