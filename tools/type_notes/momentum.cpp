// What the momentum and rate-of-change types of the close compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(momentum) {
    return {
        {"BollingerBandwidth", {20, 2},
         {"period: the number of closes in the bands", "k: the deviation multiplier"},
         {},
         "(upper − lower) / middle of the Bollinger bands of the last `period` closes: 2 × k × the population "
         "standard deviation (divided by `period`) / their mean, a fraction, not a percentage. 0 when the mean is 0; "
         "a flat window gives exactly 0."},
        {"Coppock", {14, 11, 10},
         {"first_roc: the number of bars of the first rate of change",
          "second_roc: the number of bars of the second rate of change",
          "wma: the length of the weighted average"},
         {},
         "The Coppock curve: the WMA over `wma` bars (weights 1 up to `wma`, newest heaviest) of ROC(first_roc) + "
         "ROC(second_roc), each ROC 100 × (close − the close n bars back) / that close (0 when that close is 0). In "
         "percent."},
        {"DisparityIndex", {14}, {"period: the SMA length"}, {},
         "100 × (close − SMA) / SMA, SMA the mean of the last `period` closes: the close's distance from its "
         "average in percent of it. 0 when the SMA is 0; a flat window gives exactly 0."},
        {"Dpo", {20}, {"period: the SMA length; the compared close is floor(period / 2) + 1 bars back"}, {},
         "The detrended price oscillator: the close floor(period / 2) + 1 bars back minus the SMA of the last "
         "`period` closes, this one included (the average is not shifted back). In price units."},
        {"LogReturn", {1}, {"period: the number of bars between the compared closes"}, {},
         "ln(close / the close `period` bars back): a log return, not a percentage. A close that is zero or negative "
         "is skipped like a non-finite one and does not count as a bar; a ratio whose log is not finite gives no "
         "value."},
        {"Mom", {10}, {"period: the number of bars between the compared closes"}, {},
         "Momentum: close − the close `period` bars back, in price units."},
        {"PercentB", {20, 2}, {"period: the number of closes in the bands", "k: the deviation multiplier"}, {},
         "%B: (close − lower) / (upper − lower) of the Bollinger bands of the last `period` closes (mean ± k × the "
         "population standard deviation, divided by `period`): 0 on the lower band, 1 on the upper, beyond them "
         "outside; a fraction, not a percentage. 0.5 when the bands coincide (a flat window)."},
        {"Pmo", {35, 20},
         {"first_smoothing: the length P of the first smoothing, factor 2 / P",
          "second_smoothing: the length Q of the second smoothing, factor 2 / Q"},
         {},
         "The price momentum oscillator line: the one-bar rate of change 100 × (close / previous close − 1) (0 when "
         "the previous close is 0) smoothed with factor 2 / first_smoothing, times 10, smoothed again with factor 2 "
         "/ second_smoothing. Both smoothings start at their first input (no mean seed, and 2 / n, not 2 / (n + "
         "1)); no signal line."},
        {"PolarizedFractalEfficiency", {10, 5},
         {"period: the number of bars spanned", "smoothing: the EMA length of the result"},
         {},
         "100 × sqrt(d² + period²) / the sum of sqrt(c² + 1) over the last `period` one-bar changes c, signed as d "
         "= close − the close `period` bars back (0 when d is 0), then an EMA of `smoothing` seeded with the mean of "
         "its first `smoothing` values. −100 to 100; the closes enter in price units, so the value depends on the "
         "price scale."},
        {"Roc", {10}, {"period: the number of bars between the compared closes"}, {},
         "Rate of change: 100 × (close − the close `period` bars back) / that close, in percent. 0 when that close "
         "is 0."},
        {"Rocp", {10}, {"period: the number of bars between the compared closes"}, {},
         "Rate of change as a fraction: (close − the close `period` bars back) / that close (0.01 is 1%). 0 when "
         "that close is 0."},
        {"Rocr", {10}, {"period: the number of bars between the compared closes"}, {},
         "Rate of change ratio: close / the close `period` bars back, around 1. 0 when that close is 0."},
        {"Rocr100", {10}, {"period: the number of bars between the compared closes"}, {},
         "Rate of change ratio times 100: 100 × close / the close `period` bars back, around 100. 0 when that close "
         "is 0."},
        {"Tii", {60, 30},
         {"period: the SMA length the deviations are measured from", "lookback: the number of deviations summed"},
         {},
         "The trend intensity index: 100 × SD+ / (SD+ + SD−) over the last `lookback` bars, SD+ the sum of the "
         "positive and SD− the sum of the magnitudes of the negative deviations of the close from its `period`-bar "
         "SMA. 0 to 100; 50 when every deviation is 0 (a flat series)."},
        {"VerticalHorizontalFilter", {28}, {"period: the number of closes and of one-bar changes"}, {},
         "(highest − lowest of the last `period` closes) / the sum of the last `period` absolute one-bar changes: a "
         "ratio, near 1 in a steady trend and low in a range. 0 when there is no move."},
        {"WavePm", {14, 5},
         {"period: the span of the change and the length of its power average",
          "smoothing: the EMA length of the result"},
         {},
         "q = (close − the close `period` bars back)², v its EMA of period `period`, w = 1 − exp(−q / (2v)) (0 when "
         "v is not positive), and the value 100 × the EMA of w of period `smoothing`; both EMAs are seeded with the "
         "mean of their first n inputs. 0 to 100."},
    };
}
