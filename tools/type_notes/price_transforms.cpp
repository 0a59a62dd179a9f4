// What the price transforms and bar measures of the current candle compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(price_transforms) {
    return {
        {"AvgPrice", {}, {}, {},
         "The mean of the candle's four prices, (((open + high) + low) + close) × 0.25, a price level."},
        {"BalanceOfPower", {}, {}, {},
         "The signed body over the range, (close − open) / (high − low), from −1 to +1; a bar without range "
         "(high = low) gives exactly 0."},
        {"BodySizePct", {}, {}, {},
         "The body's share of the range, abs(close − open) / (high − low), a fraction from 0 to 1 (not "
         "multiplied by 100 despite the name); a bar without range gives exactly 0."},
        {"CloseVsOpen", {}, {}, {},
         "The bar's change relative to its open, (close − open) / open, a fraction (0.01 is 1 %) whose sign "
         "follows the open's as well as the body's; a zero open gives exactly 0."},
        {"HighLowRange", {}, {}, {},
         "The bar's range relative to its close, (high − low) / close, a fraction (0.02 is 2 %); a zero close "
         "gives exactly 0."},
        {"IntradayIntensity", {}, {}, {},
         "Where the close sits in the range times the volume: (((close + close) − high) − low) × volume / "
         "(high − low), from −volume (close on the low) to +volume (close on the high); a bar without range "
         "gives exactly 0, and so does a candle whose volume is left off (read as 0)."},
        {"MarketFacilitationIndex", {}, {}, {},
         "The range per unit of volume, (high − low) / volume, in price per unit traded; a bar with zero "
         "volume, or whose volume is left off, gives no value."},
        {"MedianPrice", {}, {}, {},
         "The middle of the range, (high + low) × 0.5, a price level; prices beyond half the largest double "
         "are halved before they are added, so the value stays finite."},
        {"ShadowRatio", {}, {}, {},
         "The upper shadow (high − max(open, close)) less the lower shadow (min(open, close) − low), over the "
         "range (high − low): from −1 (all lower shadow) to +1 (all upper shadow); a bar without range gives "
         "exactly 0."},
        {"TrueRange", {}, {}, {},
         "The candle's range widened to reach the previous valid close, max(high − low, abs(high − previous "
         "close), abs(low − previous close)), a price distance; the first valid candle gives its high − low. "
         "Only the close is carried, so no smoothing is involved."},
        {"TypicalPrice", {}, {}, {},
         "The mean of high, low and close, ((high + low) + close) / 3, a price level; a bar without range "
         "(high = low) gives its close exactly."},
        {"WeightedClose", {}, {}, {},
         "The mean of high, low and the close counted twice, ((high + low) + (close + close)) × 0.25, a price "
         "level."},
    };
}
