#include "indicators/demark_bar_pieces/td_open.hpp"

namespace prynox {

OptionalValue TdOpen::update_candle(const Candle& c) {
    return candles_.step(c, [](PatternCandles<2>::Row r) -> OptionalValue {
        const Candle &p = r[0], &b = r[1];
        if (b.open < p.low && b.high > p.low) return kBullishSignal;
        if (b.low < p.high && b.open > p.high) return kBearishSignal;
        return kNoPattern;
    });
}

}  // namespace prynox
