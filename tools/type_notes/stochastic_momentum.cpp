// What the stochastic and momentum oscillators of the candle compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(stochastic_momentum) {
    return {
        {"Inertia", {14, 20},
         {"volatility: the window of the relative volatility index, in closes (at least 2)",
          "regression: the number of index values the least-squares line is fitted to (at least 2)"},
         {},
         "The least-squares line through the last `regression` values of the relative volatility index, taken at "
         "its newest point (0..100 scale, 50 neutral). The index takes the population standard deviation of the "
         "last `volatility` closes, counts it as up volatility on a higher close and as down volatility on a lower "
         "one, smooths each Wilder-style (seeded with the mean of the first `volatility` values, then (A × (n − 1) "
         "+ x) / n, n = `volatility`) and gives 100 × up / (up + down), 50 when both are 0."},
        {"Rvi", {10}, {"period: the number of smoothed bars summed (n)"}, {},
         "The relative vigor index, a ratio mostly within −1..1 (no signal line): the sum over the last n bars of "
         "the 1-2-2-1 weighted mean of the last four bodies close − open, over the same sum of the ranges high − "
         "low. A window whose range sum is 0 repeats the last value (none before the first)."},
        {"Smi", {10, 3, 3},
         {"period: the number of candles of the high-low range",
          "first: the length of the first EMA smoothing",
          "second: the length of the second EMA smoothing"},
         {},
         "The stochastic momentum index, mostly −100..100: 100 × E2(E1(close − (highest high + lowest low) / 2)) / "
         "(0.5 × E2(E1(highest high − lowest low))) over the last `period` candles, E1 and E2 EMAs of lengths "
         "`first` and `second`, each with alpha = 2/(n + 1), n its length, and seeded with the mean of its first n inputs. A "
         "smoothed range that is not positive repeats the last value."},
        {"UltimateOscillator", {7, 14, 28},
         {"first: the first window, in candles, its ratio weighted 4 (conventionally the shortest)",
          "second: the second window, in candles, its ratio weighted 2",
          "third: the third window, in candles, its ratio weighted 1 (conventionally the longest)"},
         {},
         "Williams' ultimate oscillator, 0..100: in each window the sum of buying pressure close − min(low, previous "
         "close) over the sum of true range max(high, previous close) − min(low, previous close), blended 100 × (4 "
         "× r1 + 2 × r2 + r3) / 7. The weights follow the parameter order, so give the shortest window first; a "
         "window without range counts as 0.5, and the first candle only gives a previous close."},
    };
}
