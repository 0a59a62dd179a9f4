// What the volume pressure types compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(volume_pressure) {
    return {
        {"BetterVolume", {20}, {"period: the window n, the candle and the n − 1 candles before it"}, {},
         "A code comparing the candle with the n − 1 candles before it: 4 when its volume × range is the largest and "
         "(with a range) its volume per unit of range is the largest too; 3, or −3 on a candle closing below its "
         "open, when only volume × range is the largest; 2 when only volume per range is; 1 when its volume is the "
         "smallest; 0 otherwise. Largest and smallest are strict; range = high − low."},
        {"DemandIndex", {10}, {"period: the window (n) of the volume and range means, also the EMA length of the pressures"}, {},
         "Buying against selling pressure, −100..100: 100 × (1 − sp / bp) when bp > sp, −100 × (1 − bp / sp) when "
         "below, 0 when equal. The volume over its mean of the last n bars is the pressure on the side the weighted "
         "price p = ((high + low) + 2 × close) / 4 moved to, and that ratio divided by exp(min(3 × p × abs(change) / "
         "R, 88)) the pressure on the other, change = (p − previous p) / min(p, previous p), R the mean over n bars "
         "of the two-bar range max(high, previous high) − min(low, previous low). Each pressure is an EMA (alpha = "
         "2/(n + 1)) starting at its first value; a window without volume or range repeats the last value (0 before "
         "any)."},
        {"TradeVolumeIndex", {0.5},
         {"min_tick: the smallest close-to-close move, in price units, that sets the direction (0 or more)"},
         {},
         "The running total of the volume signed by the direction of the last close-to-close move larger than "
         "min_tick: added while up, subtracted while down, smaller moves keeping the direction (0 before the first "
         "such move). The first candle only gives the previous close."},
        {"Tsv", {13}, {"period: the number of candles summed (n)"}, {},
         "Time segmented volume: the sum over the last n candles of volume × (close − previous close), in volume × "
         "price units; exactly 0 for a window of unchanged closes or without volume."},
    };
}
