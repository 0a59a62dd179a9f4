#include "indicators/demark_bar_pieces/td_clopwin.hpp"

#include <algorithm>

namespace prynox {

OptionalValue TdClopwin::update_candle(const Candle& c) {
    return candles_.step(c, [](PatternCandles<2>::Row r) -> OptionalValue {
        const Candle &p = r[0], &b = r[1];
        const double lo = std::min(p.open, p.close), hi = std::max(p.open, p.close);
        const bool inside = b.open >= lo && b.open <= hi && b.close >= lo && b.close <= hi;
        if (!inside) return kNoPattern;
        return b.close >= b.open ? kBullishSignal : kBearishSignal;
    });
}

}  // namespace prynox
