#include "indicators/demark_bar_pieces/td_clop.hpp"

namespace prynox {

OptionalValue TdClop::update_candle(const Candle& c) {
    return candles_.step(c, [](PatternCandles<2>::Row r) -> OptionalValue {
        const Candle &p = r[0], &b = r[1];
        // A close below the previous open leaves only the bearish case.
        if (b.close < p.open)
            return b.open > p.open && b.open > p.close && b.close < p.close ? kBearishSignal : kNoPattern;
        return b.open < p.open && b.open < p.close && b.close > p.open && b.close > p.close ? kBullishSignal
                                                                                             : kNoPattern;
    });
}

}  // namespace prynox
