// What the bands around a centre line compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(bands) {
    return {
        {"AccelerationBands", {20, 4},
         {"period: the number of candles each of the three simple averages covers",
          "factor: how strongly the bar's relative range (high − low) / (high + low) widens the bands"},
         {"upper: the simple average of high × (1 + factor × (high − low) / (high + low))",
          "middle: the simple average of the close",
          "lower: the simple average of low × (1 − factor × (high − low) / (high + low))"},
         "Three simple averages over the same `period` candles: of the close, and of each bar's high widened and "
         "low narrowed by `factor` times its relative range (taken as 0 when high + low is 0). Price levels; a bar "
         "whose widened high or narrowed low is not finite enters none of the averages."},
        {"AtrBands", {14, 2},
         {"period: the number of true ranges in the average true range",
          "multiplier: the band distance in average true ranges"},
         {"upper: close + multiplier × ATR", "middle: the bar's own close", "lower: close − multiplier × ATR"},
         "Bands `multiplier` average true ranges either side of the bar's own close (not an average of it). The ATR "
         "is Wilder's: seeded with the mean of the first `period` true ranges (the first bar's true range is high − "
         "low), then (ATR × (period − 1) + TR) / period."},
        {"BollingerBands", {20, 2},
         {"period: the number of closes in the window", "k: the deviation multiplier"},
         {"upper: middle + k × stddev", "middle: the simple mean of the last `period` closes",
          "lower: middle − k × stddev",
          "stddev: the population standard deviation of the window (divided by `period`, not `period` − 1)"},
         "The mean of the last `period` closes with bands `k` population standard deviations (the sum of squared "
         "deviations divided by `period`) either side. A window of identical closes gives three equal lines and a "
         "stddev of exactly 0."},
        {"DoubleBollinger", {20, 1, 2},
         {"period: the number of closes in the window", "k_inner: the deviation multiplier of the inner bands",
          "k_outer: the deviation multiplier of the outer bands (must exceed `k_inner`)"},
         {"upper_outer: middle + k_outer × the deviation", "upper_inner: middle + k_inner × the deviation",
          "middle: the simple mean of the last `period` closes", "lower_inner: middle − k_inner × the deviation",
          "lower_outer: middle − k_outer × the deviation"},
         "Two pairs of Bollinger bands around one mean of the last `period` closes, with the population standard "
         "deviation (divided by `period`), as `BollingerBands`. A window of identical closes gives five equal "
         "lines."},
        {"HurstChannel", {20, 0.5},
         {"period: the number of candles in the window of the average and of the range",
          "multiplier: the band distance as a fraction of the window's range"},
         {"upper: middle + multiplier × (highest high − lowest low)",
          "middle: the simple average of the last `period` closes",
          "lower: middle − multiplier × (highest high − lowest low)"},
         "The simple average of the last `period` closes with bands `multiplier` times the window's range (its "
         "highest high less its lowest low, the current candle included) either side. Price levels."},
        {"Keltner", {20, 10, 2},
         {"ema_period: the number of closes of the middle EMA",
          "atr_period: the number of true ranges in the average true range",
          "multiplier: the band distance in average true ranges"},
         {"upper: middle + multiplier × ATR", "middle: the EMA of the close", "lower: middle − multiplier × ATR"},
         "An EMA of the close (alpha 2 / (`ema_period` + 1), seeded with the mean of the first `ema_period` "
         "closes) with bands `multiplier` Wilder ATRs either side (the ATR seeded with the mean of the first "
         "`atr_period` true ranges, the first being high − low). Price levels."},
        {"MaEnvelope", {20, 0.025},
         {"period: the number of closes in the simple average",
          "fraction: the band distance as a fraction of the average (0.025 is 2.5 %)"},
         {"upper: average × (1 + fraction)", "middle: the simple average of the last `period` closes",
          "lower: average × (1 − fraction)"},
         "The simple average of the last `period` closes with bands a fixed fraction above and below it. Price "
         "levels."},
        {"StarcBands", {6, 15, 2},
         {"sma_period: the number of closes in the middle simple average",
          "atr_period: the number of true ranges in the average true range",
          "multiplier: the band distance in average true ranges"},
         {"upper: middle + multiplier × ATR", "middle: the simple average of the close",
          "lower: middle − multiplier × ATR"},
         "The simple average of the last `sma_period` closes with bands `multiplier` Wilder ATRs either side (the "
         "ATR seeded with the mean of the first `atr_period` true ranges, the first being high − low). Price "
         "levels."},
        {"VwapStdDevBands", {2},
         {"multiplier: the band distance in volume-weighted standard deviations"},
         {"upper: vwap + multiplier × stddev",
          "middle: the VWAP of the typical price ((high + low) + close) / 3 over the whole run",
          "lower: vwap − multiplier × stddev",
          "stddev: the volume-weighted population standard deviation of the typical price around the VWAP"},
         "A cumulative VWAP from the first bar of the run (never reset by day) of the typical price weighted by "
         "volume, with bands of the volume-weighted standard deviation (the weighted sum of squared deviations "
         "divided by the total volume). No value while the total volume is 0; a bar whose terms are not finite is "
         "refused and leaves the sums as they were."},
    };
}
