#include "indicators/demark_bar_pieces/td_propulsion.hpp"

namespace prynox {

OptionalValue TdPropulsion::update_candle(const Candle& c) {
    return candles_.step(c, [](PatternCandles<2>::Row r) -> OptionalValue {
        const Candle &p = r[0], &b = r[1];
        if (b.open >= p.close && b.close > p.high) return kBullishSignal;
        if (b.close < p.low && b.open <= p.close) return kBearishSignal;
        return kNoPattern;
    });
}

}  // namespace prynox
