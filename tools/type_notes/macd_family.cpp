// What the MACD family, the Alligator and the Hilbert-transform pairs compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(macd_family) {
    return {
        {"Alligator", {13, 8, 5},
         {"jaw: the period of the slowest smoothed average", "teeth: the period of the middle smoothed average",
          "lips: the period of the fastest smoothed average"},
         {"jaw: the smoothed average of the median price over `jaw` bars",
          "teeth: the smoothed average of the median price over `teeth` bars",
          "lips: the smoothed average of the median price over `lips` bars"},
         "Three Wilder smoothed averages of the median price (high + low) / 2, each seeded with the mean of its "
         "first n medians, then (average × (n − 1) + median) / n. The lines are not shifted forward in time (no "
         "8, 5 and 3 bar offsets): shift them yourself if a rule needs that. Price levels."},
        {"GatorOscillator", {13, 8, 5},
         {"jaw: the period of the Alligator's jaw", "teeth: the period of the Alligator's teeth",
          "lips: the period of the Alligator's lips"},
         {"upper: abs(jaw − teeth), never negative", "lower: −abs(teeth − lips), never positive"},
         "The distances between the unshifted Alligator lines (Wilder smoothed averages of (high + low) / 2, each "
         "seeded with the mean of its first n medians), drawn as two bars either side of zero. Price units."},
        {"HtPhasor", {},
         {},
         {"inphase: the in-phase component of the dominant cycle",
          "quadrature: the quadrature component of the dominant cycle"},
         "The close is smoothed by a 4-bar weighted average (4, 3, 2, 1) / 10 and detrended by the Hilbert "
         "transform (0.0962, 0.5769 taps on every other bar, scaled by 0.075 × the previous cycle period + 0.54); "
         "inphase is the detrended price 3 bars back and quadrature the transform of the detrended series. Price "
         "units around 0."},
        {"MacdFix", {9},
         {"signal: the period of the signal EMA"},
         {"macd: the fast average of the close − the slow one", "signal: the EMA of macd",
          "histogram: macd − signal"},
         "MACD with the fixed factors 0.15 and 0.075 for the fast and slow averages (not 2 / 13 and 2 / 27), seeded "
         "with the mean of the first 12 and the first 26 closes; the signal EMA has alpha 2 / (signal + 1) and is "
         "seeded with the mean of its first `signal` macd values. A series constant from its first close gives a "
         "macd of exactly 0."},
        {"MacdIndicator", {12, 26, 9},
         {"fast: the period of the fast EMA of the close", "slow: the period of the slow EMA (more than `fast`)",
          "signal: the period of the signal EMA of macd"},
         {"macd: fast EMA − slow EMA", "signal: the EMA of macd", "histogram: macd − signal"},
         "Each EMA has alpha 2 / (n + 1) and is seeded with the mean of its first n inputs (not started at the "
         "first close, as pandas' ewm(adjust=False) is): the fast one at close `fast`, stepping on every later "
         "close, the slow one at close `slow`, where macd begins; the signal is seeded with the mean of the first "
         "`signal` macd values. `Macd` is another name for this type; a series constant from its first close "
         "gives a macd of exactly 0."},
        {"Mama", {0.5, 0.05},
         {"fast_limit: the largest smoothing factor (at most 1)",
          "slow_limit: the smallest smoothing factor (above 0, at most `fast_limit`)"},
         {"mama: the MESA adaptive moving average of the close", "fama: the following adaptive average of mama"},
         "The Hilbert pipeline measures the phase atan(quadrature / inphase) of the dominant cycle in degrees; "
         "alpha = fast_limit / (the phase's decrease since the last bar, at least 1), no lower than `slow_limit`. "
         "Then mama = alpha × close + (1 − alpha) × mama and fama = 0.5 × alpha × mama + (1 − 0.5 × alpha) × "
         "fama, both started from the 4-bar smoothed close; price levels."},
        {"VolumeWeightedMacd", {12, 26, 9},
         {"fast: the window of the fast volume-weighted average", "slow: the window of the slow one (more than `fast`)",
          "signal: the period of the signal EMA of macd"},
         {"macd: fast VWMA − slow VWMA of the close", "signal: the EMA of macd", "histogram: macd − signal"},
         "The windowed volume-weighted averages sum(close × volume) / sum(volume) over the last `fast` and `slow` "
         "bars (the plain mean of the window's closes when it holds no volume), their difference, and a signal "
         "EMA with alpha 2 / (signal + 1) seeded with the mean of the first `signal` differences."},
        {"ZeroLagMacd", {12, 26, 9},
         {"fast: the period of the fast zero-lag EMA", "slow: the period of the slow zero-lag EMA (more than `fast`)",
          "signal: the period of the zero-lag signal EMA"},
         {"macd: fast zero-lag EMA − slow zero-lag EMA of the close", "signal: the zero-lag EMA of macd",
          "histogram: macd − signal"},
         "A zero-lag EMA of period n is the EMA (alpha 2 / (n + 1), seeded with the mean of its first n inputs) of "
         "2 × x − (x (n − 1) / 2 bars earlier, rounded down); the signal line is the zero-lag EMA of macd, not a "
         "plain one."},
    };
}
