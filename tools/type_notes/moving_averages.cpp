// What the moving averages of the close compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(moving_averages) {
    return {
        {"Alma", {9, 0.85, 6},
         {"period: the number of closes weighted",
          "offset: where the peak of the weights sits, from 0 (the oldest close) to 1 (the newest)",
          "sigma: the sharpness of the weights, whose width is `period` / sigma closes"},
         {},
         "A Gaussian-weighted mean of the last `period` closes: the close i places after the oldest (i = 0 .. "
         "period − 1) weighs exp(−(i − m)² / (2 s²)) with m = offset × (period − 1) and s = period / sigma, the "
         "weights normalised to sum to 1. A price level."},
        {"Dema", {20}, {"period: the length of both EMAs, alpha = 2 / (period + 1)"}, {},
         "2 × E1 − E2, where E1 is the EMA of the close and E2 the EMA of E1, both of period `period`; each EMA is "
         "seeded with the mean of its first `period` inputs (E2 with the mean of the first `period` values of E1), "
         "not with its first input. A price level."},
        {"Ehma", {20},
         {"period: the full EMA length; the half length is floor(period / 2) and the final length round(√period)"},
         {},
         "The Hull construction with EMAs: the EMA over round(√period) bars (halves rounded up) of 2 × "
         "EMA(floor(period / 2)) − EMA(period) of the close. Every EMA has alpha = 2 / (n + 1) and is seeded with the "
         "mean of its first n inputs. A price level."},
        {"Ema", {20}, {"period: the smoothing length, alpha = 2 / (period + 1)"}, {},
         "The exponential moving average of the close: seeded with the mean of the first `period` closes (not with "
         "the first close), then alpha × close + (1 − alpha) × previous with alpha = 2 / (period + 1). A price "
         "level."},
        {"Fama", {0.5, 0.05},
         {"fast_limit: the largest smoothing factor, with 0 < slow_limit ≤ fast_limit ≤ 1",
          "slow_limit: the smallest smoothing factor"},
         {},
         "The following line of the MESA adaptive average: the Hilbert transform of the 4-bar weighted close "
         "(4, 3, 2, 1) / 10 measures the cycle phase, alpha = fast_limit / (the phase change in degrees, at least 1) "
         "but at least slow_limit, mama = alpha × close + (1 − alpha) × mama and fama = (1 − alpha / 2) × fama + "
         "(alpha / 2) × mama, both starting at the smoothed close. A price level; closes beyond 1e150 in magnitude "
         "are refused like non-finite ones."},
        {"Frama", {16}, {"period: the window of closes, even; each half holds period / 2 closes"}, {},
         "An EMA of the close with alpha = exp(−4.6 × (D − 1)) kept within [0.01, 1], D = (ln(N1 + N2) − ln N3) / "
         "ln 2 the fractal dimension of the last `period` closes: N1 and N2 the ranges (highest − lowest close) of "
         "the older and newer halves over period / 2, N3 the whole window's range over `period`. A zero range gives "
         "alpha = 0.01; the first value is the close itself. A price level (closes only, not highs and lows)."},
        {"GeneralizedDema", {20, 0.7},
         {"period: the length of both EMAs, alpha = 2 / (period + 1)",
          "volume_factor: the weight v in [0, 1] of the lag correction; 1 gives `Dema`, 0 the plain EMA"},
         {},
         "E1 × (1 + v) − E2 × v, where E1 is the EMA of the close and E2 the EMA of E1, both of period `period` and "
         "each seeded with the mean of its first `period` inputs. A price level."},
        {"GeometricMa", {20}, {"period: the number of closes averaged"}, {},
         "The geometric mean of the last `period` closes, exp of the mean of ln(close). A close that is zero or "
         "negative is skipped like a non-finite one: no value, and it does not enter the window. A price level."},
        {"Hma", {20},
         {"period: the full WMA length; the half length is floor(period / 2) and the final length round(√period)"},
         {},
         "The Hull average: the linearly weighted average (WMA, newest heaviest) over round(√period) bars (halves "
         "rounded up) of 2 × WMA(floor(period / 2)) − WMA(period) of the close. A price level."},
        {"HoltWinters", {0.5, 0.3},
         {"alpha: the smoothing factor of the level, in (0, 1]", "beta: the smoothing factor of the trend, in (0, 1]"},
         {},
         "Holt's linear (double exponential) smoothing without a seasonal part, giving the one-step forecast level "
         "+ trend: the second close sets level = close and trend = close − first close; then level = alpha × close + "
         "(1 − alpha) × (level + trend) and trend = (1 − beta) × trend + beta × (level − previous level). A price "
         "level."},
        {"Jma", {7, 0, 2},
         {"period: the length, setting beta = 0.45 (period − 1) / (0.45 (period − 1) + 2)",
          "phase: the overshoot, usually −100 to 100; the ratio r = phase / 100 + 1.5 is kept within [0.5, 2.5]",
          "power: the exponent 1 to 4 giving alpha = beta^power"},
         {},
         "A Jurik-style adaptive average that starts at the first close: e0 = (1 − alpha) × close + alpha × e0, d0 = "
         "(1 − beta) × (close − e0) + beta × d0, d1 = alpha² × d1 + (1 − alpha)² × (e0 + r × d0 − previous), value "
         "= previous + d1. A price level."},
        {"Kama", {10, 2, 30},
         {"period: the number of one-bar changes in the efficiency ratio",
          "fast: the fastest EMA length, constant 2 / (fast + 1)",
          "slow: the slowest EMA length, constant 2 / (slow + 1), more than fast"},
         {},
         "Kaufman's adaptive average: er = abs(close − the close `period` bars back) / the sum of the last `period` "
         "absolute one-bar changes (0 for a zero path), sc = (er × (fast constant − slow constant) + slow "
         "constant)², value = previous + sc × (close − previous). It starts from the close `period` bars before its "
         "first value, not from an SMA. A price level."},
        {"McGinleyDynamic", {14}, {"period: the nominal length N of the average"}, {},
         "Seeded with the mean of the first `period` closes, then previous + (close − previous) / ((close / "
         "previous)⁴ × 0.6 × period). A close or an average that is zero or negative repeats the previous value. A "
         "price level."},
        {"MedianMa", {20}, {"period: the number of closes"}, {},
         "The median of the last `period` closes; for an even `period` the midpoint of the two middle values. A "
         "price level."},
        {"MidPoint", {20}, {"period: the number of closes"}, {},
         "(highest + lowest) / 2 of the last `period` closes (closes only, not highs and lows). A price level."},
        {"SineWeightedMa", {20}, {"period: the number of closes weighted"}, {},
         "The mean of the last `period` closes weighted by sin(i × π / (period + 1)), i = 1 for the oldest up to "
         "`period` for the newest, divided by the sum of the weights: heaviest in the middle of the window. A price "
         "level."},
        {"Sma", {20}, {"period: the number of closes averaged"}, {},
         "The arithmetic mean of the last `period` closes, each weighted equally. A price level."},
        {"Smma", {14}, {"period: the smoothing length, alpha = 1 / period"}, {},
         "Wilder's smoothed average: seeded with the mean of the first `period` closes, then (close + previous × "
         "(period − 1)) / period, an EMA with alpha = 1 / period. A price level."},
        {"T3", {5, 0.7},
         {"period: the length of each of the six EMAs, alpha = 2 / (period + 1)",
          "volume_factor: v in [0, 1], the amount of lag correction"},
         {},
         "Tillson's T3: six chained EMAs e1 .. e6 of the close, each of period `period` and seeded with the mean of "
         "its first `period` inputs, combined as c1 × e6 + c2 × e5 + c3 × e4 + c4 × e3 with c1 = −v³, c2 = 3v² + 3v³, "
         "c3 = −6v² − 3v − 3v³, c4 = 1 + 3v + 3v² + v³. A price level."},
        {"Tema", {20}, {"period: the length of the three EMAs, alpha = 2 / (period + 1)"}, {},
         "3 × E1 − 3 × E2 + E3, where E1 is the EMA of the close, E2 the EMA of E1 and E3 the EMA of E2, all of "
         "period `period` and each seeded with the mean of its first `period` inputs. A price level."},
        {"Trima", {20}, {"period: the number of closes spanned"}, {},
         "The triangular average: the SMA over floor(period / 2) + 1 bars of the SMA over period − floor(period / 2) "
         "bars of the close, which weighs the last `period` closes most in the middle. A price level."},
        {"Vidya", {12, 9},
         {"period: the smoothing length, alpha = 2 / (period + 1)",
          "cmo_period: the number of one-bar changes in the Chande momentum oscillator"},
         {},
         "Chande's variable index dynamic average: k × close + (1 − k) × previous with k = alpha × abs(CMO) / 100, "
         "CMO the Chande momentum oscillator of the last `cmo_period` one-bar changes (plain sums of rises and "
         "falls). The first value is the close itself. A price level."},
        {"Wma", {20}, {"period: the number of closes weighted"}, {},
         "The linearly weighted mean of the last `period` closes, weight 1 on the oldest up to `period` on the "
         "newest, divided by period × (period + 1) / 2. A price level."},
        {"Zlema", {20}, {"period: the EMA length; the lag removed is floor((period − 1) / 2) bars"}, {},
         "The zero-lag EMA: the EMA of period `period` of 2 × close − the close floor((period − 1) / 2) bars back, "
         "seeded with the mean of its first `period` such values. A price level."},
    };
}
