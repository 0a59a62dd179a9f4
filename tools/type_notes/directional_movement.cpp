// What the directional movement and true range types compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(directional_movement) {
    return {
        {"Adxr", {14},
         {"period: the Wilder smoothing length n, also the distance between the two ADX values averaged (n − 1 bars)"},
         {},
         "The average directional movement rating, 0..100: the mean of the current ADX and the ADX of n − 1 bars "
         "earlier. The ADX is Wilder's: true range and the plus and minus movements (from the second candle) are "
         "smoothed in Wilder's sum form (seeded with the plain sum of the first n, then S − S/n + x), DX = 100 × "
         "abs(+DI − −DI) / (+DI + −DI) (0 when both are 0), and the ADX is seeded with the mean of the first n DX "
         "values, then (DX + (n − 1) × ADX) / n; reads high, low and close."},
        {"Atr", {14}, {"period: the Wilder smoothing length n, in candles"}, {},
         "Wilder's average true range, a price distance: the true range is max(high − low, abs(high − previous "
         "close), abs(low − previous close)), and high − low on the first candle, which has no previous close. The "
         "average is seeded with the plain mean of the first n true ranges (the first candle's included), then "
         "(ATR × (n − 1) + TR) / n, the product and the sum rounded once."},
        {"Dx", {14}, {"period: the Wilder smoothing length n, in candles"}, {},
         "The directional movement index, 0..100: 100 × abs(+DI − −DI) / (+DI + −DI), 0 when both are 0. +DI and "
         "−DI are 100 × the smoothed plus or minus movement over the smoothed true range (0 while that range is 0), "
         "all three smoothed in Wilder's sum form from the second candle on (seeded with the plain sum of the first "
         "n values, then S − S/n + x); reads high, low and close."},
        {"MinusDi", {14}, {"period: the Wilder smoothing length n, in candles"}, {},
         "The minus directional indicator, 0..100: 100 × the smoothed minus movement over the smoothed true range, "
         "0 while that range is 0. The minus movement is previous low − low when it is positive and larger than high "
         "− previous high, else 0; both are smoothed in Wilder's sum form from the second candle on (seeded with the "
         "plain sum of the first n, then S − S/n + x)."},
        {"MinusDm", {14}, {"period: the Wilder smoothing length n, in candles"}, {},
         "The minus directional movement in Wilder's sum form, a price distance (a smoothed sum, about n times an "
         "average): the first value is the plain sum of the first n movements (candles 2 to n + 1), then S − S/n + "
         "x. The movement is previous low − low when it is positive and larger than high − previous high, else 0."},
        {"Natr", {14}, {"period: the Wilder smoothing length n of the ATR, in candles"}, {},
         "The average true range as a percentage of the close, 100 × ATR / close, the ATR exactly as `Atr` (seeded "
         "with the mean of the first n true ranges, the first candle's being high − low). 0 on a close of 0; no value "
         "for a bar whose ratio overflows."},
        {"PlusDi", {14}, {"period: the Wilder smoothing length n, in candles"}, {},
         "The plus directional indicator, 0..100: 100 × the smoothed plus movement over the smoothed true range, 0 "
         "while that range is 0. The plus movement is high − previous high when it is positive and larger than "
         "previous low − low, else 0; both are smoothed in Wilder's sum form from the second candle on (seeded with "
         "the plain sum of the first n, then S − S/n + x)."},
        {"PlusDm", {14}, {"period: the Wilder smoothing length n, in candles"}, {},
         "The plus directional movement in Wilder's sum form, a price distance (a smoothed sum, about n times an "
         "average): the first value is the plain sum of the first n movements (candles 2 to n + 1), then S − S/n + "
         "x. The movement is high − previous high when it is positive and larger than previous low − low, else 0."},
        {"VolatilityRatio", {14}, {"period: the length n of the exponential average of the true range, in candles"},
         {},
         "The true range over its exponential average up to the previous candle, a ratio (1 an ordinary range, 2 "
         "twice as wide); 0 while that average is not positive. The average (alpha = 2/(n + 1)) is seeded with the "
         "mean of the true ranges of candles 2 to n + 1 (the first candle only gives a previous close), then A = TR "
         "× alpha + A × (1 − alpha), each product rounded on its own, updated after the ratio is taken."},
    };
}
