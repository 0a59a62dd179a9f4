#include "indicators/demark_bar_pieces/td_differential.hpp"

#include <algorithm>

namespace prynox {

OptionalValue TdDifferential::update_candle(const Candle& c) {
    return candles_.step(c, [](PatternCandles<3>::Row r) -> OptionalValue {
        const Candle &q = r[0], &p = r[1], &b = r[2];
        // Pressures against the true range: the previous close widens the bar's own range.
        const double buying = b.close - std::min(b.low, p.close), selling = std::max(b.high, p.close) - b.close;
        const double buying1 = p.close - std::min(p.low, q.close), selling1 = std::max(p.high, q.close) - p.close;
        if (selling < selling1 && p.close < q.close && b.close < p.close && buying > buying1) return kBullishSignal;
        if (selling > selling1 && b.close > p.close && p.close > q.close && buying < buying1) return kBearishSignal;
        return kNoPattern;
    });
}

}  // namespace prynox
