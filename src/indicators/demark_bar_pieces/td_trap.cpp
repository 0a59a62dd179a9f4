#include "indicators/demark_bar_pieces/td_trap.hpp"

namespace prynox {

OptionalValue TdTrap::update_candle(const Candle& c) {
    return candles_.step(c, [](PatternCandles<3>::Row r) -> OptionalValue {
        const Candle &q = r[0], &p = r[1], &b = r[2];
        const bool inside = p.high < q.high && p.low > q.low;
        if (inside && b.close > p.high) return kBullishSignal;
        if (inside && b.close < p.low) return kBearishSignal;
        return kNoPattern;
    });
}

}  // namespace prynox
