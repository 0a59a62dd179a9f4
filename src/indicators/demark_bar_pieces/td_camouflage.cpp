#include "indicators/demark_bar_pieces/td_camouflage.hpp"

namespace prynox {

OptionalValue TdCamouflage::update_candle(const Candle& c) {
    return candles_.step(c, [](PatternCandles<2>::Row r) -> OptionalValue {
        const Candle &p = r[0], &b = r[1];
        if (b.close < p.close && b.close > b.open && b.low < p.low) return kBullishSignal;
        if (b.close < b.open && b.high > p.high && b.close > p.close) return kBearishSignal;
        return kNoPattern;
    });
}

}  // namespace prynox
