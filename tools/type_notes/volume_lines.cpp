// What the volume lines compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(volume_lines) {
    return {
        {"AdOscillator", {}, {}, {},
         "The Williams accumulation/distribution total (as `Wad`, from the second candle on) less its simple mean "
         "over the last 13 totals, a price distance; no volume is read."},
        {"Adl", {}, {}, {},
         "The accumulation/distribution line: the running total, from the first candle, of the money-flow volume "
         "volume × ((close − low) − (high − close)) / (high − low), 0 for a candle without range; in volume units."},
        {"Nvi", {}, {}, {},
         "The negative volume index, from 1000 on the first candle: on a bar whose volume is below the previous "
         "bar's it moves to value + value × (close − previous close) / previous close, otherwise (and after a close "
         "of 0) it stays. A change that is not finite gives no value and leaves the index as it was, the bar's close "
         "and volume still becoming the base."},
        {"Obv", {}, {}, {},
         "On-balance volume: the running total of the volume, added on a higher close than the previous one, "
         "subtracted on a lower one, unchanged otherwise; the first candle gives 0."},
        {"Pvi", {}, {}, {},
         "The positive volume index, from 1000 on the first candle: on a bar whose volume is above the previous "
         "bar's it moves to value + value × (close − previous close) / previous close, otherwise (and after a close "
         "of 0) it stays. A change that is not finite gives no value and leaves the index as it was, the bar's close "
         "and volume still becoming the base."},
        {"VolumeOscillator", {5, 10},
         {"fast: the short window of the volume mean, in candles",
          "slow: the long window of the volume mean, in candles (above fast)"},
         {},
         "The fast simple mean of the volume against the slow one, 100 × (fast − slow) / slow, a percentage; 0 when "
         "the slow window holds no volume, exactly −100 when only the fast one holds none."},
        {"VolumePriceTrend", {}, {}, {},
         "Volume-price trend: the running total of volume × (close − previous close) / previous close (0 after a "
         "close of 0), the first candle giving 0. A change that is not finite gives no value and leaves the total as "
         "it was, the bar's close still becoming the base."},
        {"VolumeRsi", {14}, {"period: the Wilder smoothing length n of the volume gains and losses"}, {},
         "Wilder's RSI of the bar volumes, 0..100: the gains and losses of the volume against the bar before, each "
         "averaged from the mean of the first n changes and then (x + A × (n − 1)) / n; the value is 100 × gain / "
         "(gain + loss), 50 when both averages are 0."},
        {"Vzo", {14}, {"period: the EMA length n of both volume averages, in candles"}, {},
         "The volume zone oscillator, −100..100: 100 × EMA(signed volume) / EMA(volume), the signed volume being the "
         "volume on a higher close, its negative on a lower one and 0 on an unchanged one. Both EMAs have alpha = "
         "2/(n + 1) and are seeded with the mean of their first n inputs from the second candle on; 0 when the "
         "volume average is 0."},
        {"Wad", {}, {}, {},
         "Williams accumulation/distribution, a price distance: the running total, from the second candle, of close "
         "− min(low, previous close) on a higher close and close − max(high, previous close) on a lower one, 0 on an "
         "unchanged close; no volume is read."},
    };
}
