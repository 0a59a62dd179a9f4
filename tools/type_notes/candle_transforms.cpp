// What the candle transforms compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(candle_transforms) {
    return {
        {"CandleVolume", {20},
         {"period: the number of bars in the simple average of the volume"},
         {"body: close − open, the signed body of the bar",
          "width: the bar's volume / the simple average volume of the last `period` bars"},
         "Each bar drawn as a volume box: its signed body in price units and a width relative to the average "
         "volume (the bar's own volume included); the width is 0 when that average is not above 0."},
        {"Equivolume", {20},
         {"period: the number of bars in the simple average of the volume"},
         {"height: high − low of the bar",
          "width: the bar's volume / the simple average volume of the last `period` bars"},
         "Each bar drawn as a volume box: its high-low range in price units and a width relative to the average "
         "volume (the bar's own volume included); the width is 0 when that average is not above 0."},
        {"HeikinAshi", {},
         {},
         {"open: the midpoint of the previous Heikin-Ashi open and close",
          "high: the largest of the high and the Heikin-Ashi open and close",
          "low: the smallest of the low and the Heikin-Ashi open and close",
          "close: (open + high + low + close) / 4 of the bar"},
         "The Heikin-Ashi candle of each bar; the first bar's open is the midpoint of its own open and close. "
         "Price levels."},
        {"SmoothedHeikinAshi", {10},
         {"period: the period of the four EMAs of open, high, low and close"},
         {"open: the midpoint of the previous smoothed Heikin-Ashi open and close",
          "high: the largest of the smoothed high and the Heikin-Ashi open and close",
          "low: the smallest of the smoothed low and the Heikin-Ashi open and close",
          "close: the mean of the four smoothed prices"},
         "The Heikin-Ashi candle built from EMAs of the open, high, low and close (alpha 2 / (period + 1), each "
         "seeded with the mean of its first `period` inputs) instead of the raw prices; no second smoothing is "
         "applied to the result. Price levels."},
    };
}
