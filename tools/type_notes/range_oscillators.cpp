// What the oscillators of the candle's range compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(range_oscillators) {
    return {
        {"ChaikinVolatility", {10, 10},
         {"smoothing: the EMA length of the range high − low, in candles",
          "lag: how many smoothed values back the change is measured"},
         {},
         "The percentage change of the exponential average of the range high − low over `lag` bars: 100 × (EMA now "
         "− EMA `lag` bars ago) / EMA `lag` bars ago, 0 when the older average is 0. The EMA has alpha = 2/(smoothing "
         "+ 1) and is seeded with the mean of the first `smoothing` ranges."},
        {"ChoppinessIndex", {14}, {"period: the number of candles in the window (n), at least 2"}, {},
         "100 × log10(the sum of the last n true ranges / (highest high − lowest low of those candles)) / log10(n): "
         "normally 0..100, high in a choppy market and low in a trending one; exactly 100 on a window without range. "
         "The first candle's true range is high − low."},
        {"HeikinAshiOscillator", {14}, {"period: the EMA length n of the Heikin-Ashi body, in candles"}, {},
         "The exponential average of the Heikin-Ashi body HA close − HA open, a price distance: HA close = (((open + "
         "high) + low) + close) / 4, HA open the midpoint of the previous HA open and HA close (of the bar's own open "
         "and close on the first bar). The EMA has alpha = 2/(n + 1) and is seeded with the mean of the first n "
         "bodies."},
        {"MassIndex", {9, 25},
         {"smoothing: the length of both EMAs of the range, in candles",
          "sum_window: the number of ratios summed"},
         {},
         "The sum over the last `sum_window` bars of EMA(range) / EMA(EMA(range)), range = high − low; both EMAs have "
         "alpha = 2/(smoothing + 1) and are seeded with the mean of their first `smoothing` inputs (the second "
         "starting once the first has values), and a ratio is 1 where the double average is 0. It sits near "
         "sum_window in a steady market (the classic bulge with 9 and 25 rises above 27)."},
        {"MidPrice", {14}, {"period: the number of candles in the window (n)"}, {},
         "The midpoint of the highest high and the lowest low of the last n candles, a price level."},
        {"Pgo", {14}, {"period: the window (n) of the close's mean and the EMA length of the true range"}, {},
         "The pretty good oscillator: (close − the simple mean of the last n closes) / the exponential average of the "
         "true range, in units of that average. The EMA has alpha = 2/(n + 1) and is seeded with the mean of the "
         "first n true ranges (the first candle's being high − low); a smoothed range that is not positive repeats "
         "the last value."},
    };
}
