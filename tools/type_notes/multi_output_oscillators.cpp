// What the oscillators with several named outputs compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(multi_output_oscillators) {
    return {
        {"Adx", {14},
         {"period: Wilder's smoothing period of the ranges, the movements and the ADX"},
         {"plus_di: the positive directional indicator, 0 to 100",
          "minus_di: the negative directional indicator, 0 to 100",
          "adx: the average directional index, 0 to 100"},
         "Wilder's directional movement: +DM is high − previous high when it is positive and larger than previous "
         "low − low, −DM the reverse; true range, +DM and −DM are smoothed as S − S / n + x, seeded with the plain "
         "sum of their first `period` values; DI = 100 × smoothed DM / smoothed TR (0 when that is 0) and DX = 100 "
         "× abs(+DI − −DI) / (+DI + −DI) (0 when both are 0). The ADX is seeded with the mean of the first `period` DX "
         "values, then (DX + (period − 1) × ADX) / period."},
        {"Aroon", {25},
         {"period: the look-back; the window holds `period` + 1 candles"},
         {"up: 100 × (period − bars since the highest high) / period",
          "down: 100 × (period − bars since the lowest low) / period"},
         "Where the highest high and the lowest low of the last `period` + 1 candles lie: 100 on the newest candle, "
         "0 on the oldest; among equal extremes the newest counts. Both 0 to 100."},
        {"ElderRay", {13},
         {"period: the period of the EMA of the close"},
         {"bull_power: high − EMA of the close", "bear_power: low − EMA of the close"},
         "How far the bar's high rises above and its low falls below an EMA of the close (alpha 2 / (period + 1), "
         "seeded with the mean of the first `period` closes). Price units."},
        {"KasePermissionStochastic", {14, 3},
         {"window: the number of candles of the raw stochastic's high-low range",
          "smoothing: the period of both EMAs"},
         {"fast: the EMA of the raw stochastic", "slow: the EMA of `fast`"},
         "The raw stochastic 100 × (close − lowest low) / (highest high − lowest low) over the last `window` "
         "candles (50 on a flat range), smoothed by an EMA of `smoothing` (fast) and that again by an EMA of "
         "`smoothing` (slow); each EMA has alpha 2 / (smoothing + 1) and is seeded with the mean of its first "
         "`smoothing` inputs. 0 to 100."},
        {"Kst", {10, 15, 20, 30, 10, 10, 10, 15, 9},
         {"r1: the first rate-of-change period, in bars", "r2: the second rate-of-change period, in bars",
          "r3: the third rate-of-change period, in bars", "r4: the fourth rate-of-change period, in bars",
          "s1: the simple average period of the first rate of change",
          "s2: the simple average period of the second rate of change",
          "s3: the simple average period of the third rate of change",
          "s4: the simple average period of the fourth rate of change",
          "signal: the simple average period of the signal line"},
         {"kst: avg1 + 2 × avg2 + 3 × avg3 + 4 × avg4", "signal: the simple average of `kst` over `signal` bars"},
         "Four percentage rates of change of the close, 100 × (close − close r bars earlier) / that earlier close "
         "(0 when it is 0), each averaged simply over its own `s` bars, weighted 1 to 4 and summed; the signal is a "
         "simple average of the sum. Percentage points."},
        {"Qqe", {14, 5, 4.236},
         {"rsi_period: the period of Wilder's RSI", "smoothing: the period of the EMA of the RSI",
          "factor: the band width in smoothed RSI moves"},
         {"rsi_ma: the EMA of the RSI, 0 to 100",
          "trailing_line: the lower band in an up trend, the upper band in a down trend"},
         "Wilder's RSI of the close (averages seeded with the mean of the first `rsi_period` gains and losses) "
         "smoothed by an EMA of `smoothing`; its absolute bar-to-bar change is smoothed twice by EMAs of 2 × "
         "rsi_period − 1, and `factor` times that sets bands either side of rsi_ma (every EMA seeded with the mean "
         "of its first inputs). The lower band only rises while rsi_ma stays above it and the upper only falls "
         "while rsi_ma stays below it; the trend starts up and flips when rsi_ma crosses the opposite band."},
        {"Rwi", {14},
         {"period: the longest span tested, in bars (at least 2)"},
         {"high: the random walk index of the highs", "low: the random walk index of the lows"},
         "For every span of k = 2 to `period` bars ending at the newest, (high − the low k − 1 bars back) and (the "
         "high k − 1 bars back − low), each divided by sqrt(k) × the mean of the span's k − 1 true ranges; each "
         "output is the largest over the spans, and 0 at least (a span with a zero average range is skipped). A "
         "ratio in units of a random walk's expected move."},
        {"Stochastic", {14, 3},
         {"k: the number of candles of the high-low range", "d: the period of the simple average of %K"},
         {"k: %K, 100 × (close − lowest low) / (highest high − lowest low), 0 to 100",
          "d: %D, the simple average of %K over `d` bars"},
         "The fast stochastic: where the close lies in the range of the last `k` candles (the current one "
         "included), 50 on a flat range, and its simple average; %K is not smoothed first."},
        {"TtmSqueeze", {20, 2, 1.5},
         {"period: the window of the Bollinger bands, the channel and the momentum (at least 2)",
          "bollinger_multiplier: the Bollinger band distance in population standard deviations",
          "keltner_multiplier: the channel distance in average true ranges"},
         {"squeeze: 1 while the Bollinger bands lie inside the channel, else 0",
          "momentum: the least-squares line of the closes' distances from the base, valued at the newest bar"},
         "The Bollinger bands of the last `period` closes (population deviation) against a channel of the simple "
         "average of the close ± `keltner_multiplier` Wilder ATRs of `period` (seeded with the mean of the first "
         "true ranges). The base is the midpoint of that average and the midpoint of the window's highest high and "
         "lowest low on the current bar; the momentum fits the last `period` closes less that one base, in price "
         "units."},
        {"Vortex", {14},
         {"period: the number of bars summed"},
         {"plus: the sum of abs(high − previous low) over the sum of true ranges",
          "minus: the sum of abs(low − previous high) over the sum of true ranges"},
         "The upward and downward movements of the last `period` bars, each summed and divided by the summed true "
         "ranges (against the previous close). A window whose true ranges are all 0 gives exactly 0 and 0."},
        {"WaveTrend", {10, 21, 4},
         {"channel: the period of the two EMAs of the channel index",
          "average: the period of the EMA that makes wt1",
          "signal: the period of the simple average that makes wt2"},
         {"wt1: the EMA of the channel index", "wt2: the simple average of wt1"},
         "With the typical price tp = ((high + low) + close) / 3, esa its EMA of `channel` and d the EMA of "
         "abs(tp − esa) of `channel`, the channel index is (tp − esa) / (0.015 × d), taken as 0 when d is within a few "
         "units in the last place of esa; wt1 is its EMA of `average` and wt2 the simple average of wt1 over "
         "`signal` bars. Every EMA has alpha 2 / (n + 1) and is seeded with the mean of its first n inputs."},
    };
}
