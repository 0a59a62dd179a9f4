// What the rolling market profiles and the volatility cone compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(market_profiles) {
    return {
        {"CompositeProfile", {50, 24, 0.7},
         {"window: the number of candles in the profile", "bins: the number of equal price bins",
          "share: the value area's share of the volume, in (0, 1]"},
         {"poc: the centre of the point-of-control bin", "vah: the centre of the value area's top bin",
          "val: the centre of the value area's bottom bin"},
         "The volume profile of the last `window` candles (each candle's volume spread evenly over the bins from "
         "its low to its high, between the window's lowest low and highest high) and its value area, told by bin "
         "centres, where `ValueArea` gives the area's outer edges. A window without range gives its price three "
         "times."},
        {"HighLowVolumeNodes", {50, 24},
         {"window: the number of candles in the profile", "bins: the number of equal price bins"},
         {"hvn: the centre of the fullest bin (the lowest such on a tie)",
          "lvn: the centre of the emptiest bin that holds any volume (the lowest such on a tie)"},
         "From the volume profile of the last `window` candles over `bins` equal bins (each candle's volume spread "
         "evenly over the bins it spans), the high and low volume nodes; lvn is the fullest bin when no bin holds "
         "volume. A window without range gives its price twice."},
        {"TpoProfile", {50, 24},
         {"window: the number of candles in the profile", "bins: the number of equal price bins of the profile"},
         {"price_low: the lowest low of the last `window` candles",
          "price_high: the highest high of the last `window` candles"},
         "Builds the time-price profile of the last `window` candles (each candle counting one, spread over the "
         "bins it spans) but publishes only its price extent, the window's lowest low and highest high; `bins` "
         "changes no output."},
        {"ValueArea", {50, 24, 0.7},
         {"window: the number of candles in the profile", "bins: the number of equal price bins",
          "share: the value area's share of the volume, in (0, 1]"},
         {"poc: the centre of the point-of-control bin", "vah: the upper edge of the value area's top bin",
          "val: the lower edge of the value area's bottom bin"},
         "The volume profile of the last `window` candles over `bins` equal bins (each candle's volume spread "
         "evenly over the bins from its low to its high); the point of control is the lowest fullest bin, and the "
         "area grows from it one neighbouring bin at a time (the fuller side, upward on a tie) until it holds "
         "`share` of the volume. A window without range gives its price three times."},
        {"VolatilityCone", {20, 252},
         {"window: the number of log returns in each deviation (at least 2)",
          "lookback: the number of deviations the current one is set against (at least 2)"},
         {"current: the sample standard deviation of the last `window` log returns",
          "min: the smallest of the last `lookback` deviations", "median: their median",
          "max: the largest of them",
          "percentile: the share of them at or below the current one, in percent (0 to 100)"},
         "Close-to-close log returns ln(close / previous close); their sample standard deviation (divided by "
         "`window` − 1, not annualised) against its own last `lookback` values, the current included. A window of "
         "equal returns has a deviation of exactly 0; a close at or below 0 repeats the last values and changes "
         "nothing."},
        {"VolumeProfile", {50, 24},
         {"window: the number of candles in the profile", "bins: the number of equal price bins of the profile"},
         {"price_low: the lowest low of the last `window` candles",
          "price_high: the highest high of the last `window` candles"},
         "Builds the volume profile of the last `window` candles (each candle's volume spread over the bins it "
         "spans) but publishes only its price extent, the window's lowest low and highest high; for the profile's "
         "levels use `ValueArea` or `HighLowVolumeNodes`."},
        {"VolumeWeightedSr", {20},
         {"period: the number of candles in the window"},
         {"support: sum(low × volume) / sum(volume) over the window",
          "resistance: sum(high × volume) / sum(volume) over the window"},
         "The volume-weighted means of the lows and of the highs of the last `period` candles, or their plain "
         "means when the window holds no volume. Price levels."},
    };
}
