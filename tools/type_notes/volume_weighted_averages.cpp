// What the volume-weighted averages of the candle compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(volume_weighted_averages) {
    return {
        {"Evwma", {20}, {"period: the number of candles whose volume forms the total (n)"}, {},
         "The elastic volume-weighted moving average, a price level: each candle moves it to (close × volume + (V − "
         "volume) × previous average) / V, V the volume of the last n candles this one included, the first value "
         "starting from the close itself. A window without volume keeps the average (or starts it at the close)."},
        {"RollingVwap", {20}, {"period: the number of candles in the window (n)"}, {},
         "The sum of typical price × volume over the sum of volume of the last n candles, typical price = ((high + "
         "low) + close) / 3; a price level, no value while the window holds no volume."},
        {"SessionVwap", {0},
         {"offset_minutes: minutes added to the candle time before days are cut (0 for UTC days, −300 for UTC−5)"},
         {},
         "The volume-weighted mean of the typical price ((high + low) + close) / 3 since the first candle of the "
         "candle's local day, a price level; the typical price itself while the day has no volume. The day is the "
         "calendar date of the candle time (UTC milliseconds) plus offset_minutes, and a candle of any other date, "
         "earlier or later, starts a new day."},
    };
}
