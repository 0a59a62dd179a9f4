#include "indicators/order_book/realized_spread.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/cores/trade_sign.hpp"
#include "indicators/order_book/quote_mid.hpp"

namespace prynox {

std::expected<RealizedSpread, IndicatorError> RealizedSpread::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return RealizedSpread(period);
}

std::uint64_t RealizedSpread::warmup_period() const { return sat_add(records_.capacity(), 1); }

OptionalValue RealizedSpread::update_trade_quote(const TradeQuote& tq) {
    const OptionalValue q = quote_mid(tq);
    if (tq.trades.empty() || !q) return {};
    OptionalValue result;
    for (const TradePrint& t : tq.trades) {
        if (!records_.make_room()) [[unlikely]]
            return {};
        result = {};
        if (records_.full()) {
            const Record& old = records_.oldest();
            const double v = (((2.0 * old.sign) * (old.price - *q)) / old.mid) * 10000.0;
            if (std::isfinite(v)) [[likely]]
                result = v;
        }
        (void)records_.push({trade_sign(t), t.price, *q});  // room was made above
    }
    return result;
}

}  // namespace prynox
