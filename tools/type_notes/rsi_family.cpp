// What the relative strength types and the momentum indices built on them compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(rsi_family) {
    return {
        {"AdaptiveRsi", {14},
         {"period: the number of one-bar changes that seed the averages and that the efficiency ratio measures"},
         {},
         "An RSI of the close whose average gain and loss are seeded with the plain means of the first `period` "
         "one-bar changes, then move as average + sc × (new − average), sc = (er × (2/3 − 2/31) + 2/31)², er = "
         "abs(close − the close `period` bars back) / the sum of the last `period` absolute changes (0 for a zero "
         "path). 100 × gain / (gain + loss), 0 to 100; 50 when both averages are 0."},
        {"AnchoredRsi", {}, {}, {},
         "An RSI over the whole run without smoothing: G and L the sums of every rise and every fall of the close "
         "since the first bar, 100 − 100 / (G / L + 1), 0 to 100. 100 while there has been no fall, 50 while there "
         "has been no move at all."},
        {"Cmo", {14}, {"period: the number of one-bar changes summed"}, {},
         "Chande's momentum oscillator: 100 × (U − D) / (U + D), U the sum of the rises and D the sum of the falls "
         "of the close over the last `period` one-bar changes (plain sums, no smoothing), −100 to 100. 0 when the "
         "window holds no move."},
        {"ConnorsRsi", {3, 2, 100},
         {"rsi_period: the RSI length on the close", "streak_period: the RSI length on the up/down streak",
          "rank_period: the number of one-bar returns ranked"},
         {},
         "The mean of three parts, each 0 to 100: the RSI of the close; the RSI of the streak (+1, +2, ... over "
         "consecutive higher closes, −1, −2, ... over lower ones, 0 on an unchanged close); 100 × the share of the "
         "last `rank_period` one-bar returns (close / previous close − 1, the newest included) strictly below the "
         "newest. Both RSIs are Wilder's, seeded with the plain means of their first n changes; a previous close of "
         "0 records no return. A flat series gives 33.3 (50, 50 and a rank of 0)."},
        {"DerivativeOscillator", {14, 5, 3, 9},
         {"rsi_period: the RSI length", "first_smoothing: the length of the first EMA over the RSI",
          "second_smoothing: the length of the second EMA", "signal: the SMA length of the signal line"},
         {},
         "Wilder's RSI of the close smoothed by an EMA of `first_smoothing` and then an EMA of `second_smoothing` "
         "(each seeded with the mean of its first n inputs), minus the simple average of that double-smoothed RSI "
         "over `signal` bars. In RSI points, around 0."},
        {"DynamicMomentumIndex", {14}, {"period: the base number of changes, before the volatility scaling"}, {},
         "100 × rises / (rises + falls) over the last k one-bar changes of the close (plain sums, no smoothing), k = "
         "round(period / (sd / its 10-bar SMA)) kept within 5 to 30, sd the population standard deviation of the "
         "last 5 closes; a zero sd uses all 30 changes. 0 to 100; 50 when those changes hold no move."},
        {"FisherRsi", {14}, {"period: the RSI length"}, {},
         "The Fisher transform of Wilder's RSI of the close (seeded with the plain means of its first `period` "
         "changes): v = (RSI − 50) / 50 kept within ±0.999, then 0.5 × ln((1 + v) / (1 − v)), about −3.8 to 3.8."},
        {"Rmi", {14, 5},
         {"period: the smoothing length of the average gain and loss",
          "momentum: the number of bars between the compared closes"},
         {},
         "The relative momentum index: an RSI of `momentum`-bar changes (close − the close `momentum` bars back) "
         "instead of one-bar changes, its average gain and loss seeded with the plain means of the first `period` "
         "changes, then (new + average × (period − 1)) / period. 100 × gain / (gain + loss), 0 to 100; 50 when both "
         "are 0."},
        {"Rsi", {14}, {"period: the smoothing length of the average gain and loss"}, {},
         "Wilder's RSI of the close: the average gain and loss of the one-bar changes are seeded with the plain "
         "means of the first `period` changes, then smoothed as (average × (period − 1) + new) / period; 100 × gain "
         "/ (gain + loss), 0 to 100. 100 when there is no loss, 50 when both averages are 0."},
        {"Rsx", {14}, {"period: the smoothing length, a = 3 / (period + 2)"}, {},
         "A smoothed, lag-reduced RSI: the one-bar change of the close and its absolute value each pass three pairs "
         "of EMA stages (s = (1 − a) × s + a × input, starting from 0, not seeded), each pair blended as 1.5 × first "
         "− 0.5 × second; 50 × (change line / absolute line + 1) kept within 0 to 100, 50 while the absolute line is "
         "not positive."},
        {"StochRsi", {14, 14},
         {"rsi_period: the RSI length", "stoch_period: the number of RSI values in the stochastic window"},
         {},
         "100 × (RSI − lowest) / (highest − lowest) over the last `stoch_period` values of Wilder's RSI of the close "
         "(seeded with the plain means of its first `rsi_period` changes), 0 to 100, without %K or %D smoothing. 50 "
         "when those RSI values are all equal."},
    };
}
