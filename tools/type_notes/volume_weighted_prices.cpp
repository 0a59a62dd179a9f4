// What the volume-weighted prices compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(volume_weighted_prices) {
    return {
        {"AnchoredVwap", {}, {}, {},
         "The same type as `Vwap` under another name: the volume-weighted typical price anchored at the first valid "
         "candle of the run and never restarted."},
        {"Vwap", {}, {}, {},
         "The volume-weighted average price since the first valid candle of the run, never reset by day (see "
         "`SessionVwap`): the sum of volume × ((high + low) + close) / 3 over the sum of volume, a price level; no "
         "value until some volume has been seen."},
        {"Vwma", {20}, {"period: the number of candles in the window (n)"}, {},
         "The volume-weighted moving average of the close: the sum of close × volume over the sum of volume of the "
         "last n candles, a price level; the plain mean of the closes when the window holds no volume."},
    };
}
