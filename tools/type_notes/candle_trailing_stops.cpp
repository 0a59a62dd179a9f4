// What the trailing stops of the candle compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(candle_trailing_stops) {
    return {
        {"AtrTrailingStop", {14, 3},
         {"period: the ATR smoothing length n, in candles", "k: the ATR multiplier, the stop's distance from the close in ATRs"},
         {},
         "A stop level k × ATR from the close, the ATR exactly as `Atr` (seeded with the mean of the first n true "
         "ranges). It starts below the close (long); while closes stay above it, it is raised only, to close − k × "
         "ATR; a close at or below it turns it to close + k × ATR above the price, from where it is lowered only "
         "while closes stay below, and a close above it turns it back."},
        {"HiLoActivator", {3}, {"period: the number of highs and of lows averaged (n)"}, {},
         "Gann's high-low activator, a price level: the simple means of the last n highs and of the last n lows. The "
         "side turns long when the close is above the previous bar's mean high and short when it is below the "
         "previous bar's mean low (long at the start), and the value is the previous bar's mean low while long, its "
         "mean high while short; n equal highs (or lows) average to exactly that price."},
        {"Psar", {0.02, 0.02, 0.2},
         {"af_start: the acceleration factor a new trend starts with",
          "af_step: what the factor gains on each new extreme point",
          "af_max: the largest factor (af_start must not exceed it)"},
         {},
         "Wilder's parabolic stop-and-reverse, a price level below the price while long and above it while short; "
         "reads high and low. The second candle picks the side (short when its low fell further than its high rose, "
         "with the first high as the stop, else long with the first low); each later candle moves the stop by AF × "
         "(extreme point − stop), never past the lows (long) or highs (short) of the two candles before, and AF "
         "grows by af_step up to af_max on each new extreme. When the low touches a long stop (the high a short one) "
         "the stop reverses to the extreme of the trend that ended (this candle's high or low included) and AF restarts."},
        {"SarExt", {0, 0, 0.02, 0.02, 0.2, 0.02, 0.02, 0.2},
         {"start_value: 0 lets the first two candles choose the side; a positive value starts long with that stop, a "
          "negative one starts short at its absolute value",
          "offset: on each reversal the new stop moves away from the price by this fraction of itself (0 none)",
          "long_start: the acceleration factor a long trend starts with",
          "long_step: what the long factor gains on each new high",
          "long_max: the largest long factor",
          "short_start: the acceleration factor a short trend starts with",
          "short_step: what the short factor gains on each new low",
          "short_max: the largest short factor"},
         {},
         "The extended parabolic stop-and-reverse: `Psar` with its own start, step and maximum acceleration on each "
         "side, a chosen first side and level, and each reversal stop pushed away from the price by offset × "
         "abs(stop). The value is the stop level while long and its negation while short, so its sign tells the side."},
        {"TimeBasedStop", {20}, {"budget: the number of bars a position may be held (n)"}, {},
         "The share of a budget of n bars used so far, a ratio 0..1: the count of valid candles, capped at n, over "
         "n; 1/n on the first candle, 1 from the n-th on and for ever after. Reads no price."},
        {"VoltyStop", {20, 2},
         {"period: the ATR smoothing length, in candles", "k: the ATR multiplier, the stop's distance from the extreme close in ATRs"},
         {},
         "A volatility stop, a price level k × ATR from the extreme close of the current side: below the highest "
         "close since the side began while long, above the lowest while short, the ATR exactly as `Atr`. The side "
         "starts long, turns short when a close falls strictly below the long level, and long when a close rises "
         "strictly above the short level; the new side's extreme starts at that close."},
    };
}
