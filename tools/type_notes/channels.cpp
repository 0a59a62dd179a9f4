// What the price channels compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(channels) {
    return {
        {"BomarBands", {20, 0.85},
         {"period: the number of closes in the window",
          "coverage: the share of the window's closes the bands contain, in (0, 1]"},
         {"upper: mean + the `coverage` quantile of the absolute deviations from the mean",
          "middle: the simple mean of the last `period` closes",
          "lower: mean − the same quantile"},
         "Around the mean of the last `period` closes, bands at the `coverage` quantile of the closes' distances "
         "abs(close − mean) (taken relative to abs(mean) and scaled back; the quantile interpolates linearly between "
         "neighbouring order statistics, position (n − 1) × coverage), so that that share of the window lies "
         "within them. A mean of exactly 0 gives three zero lines."},
        {"Donchian", {20},
         {"period: the number of candles in the window, the current one included"},
         {"upper: the highest high of the last `period` candles", "middle: the midpoint of upper and lower",
          "lower: the lowest low of the last `period` candles"},
         "The highest high and lowest low of the last `period` candles, the current candle included, and their "
         "midpoint: a close never breaks out of its own bar's channel, so a breakout rule compares it with `prev` "
         "1 of the channel."},
        {"FractalChaosBands", {2},
         {"half_width: the number of candles on each side a fractal must beat (2 makes a five-bar fractal)"},
         {"upper: the high of the latest confirmed fractal high", "lower: the low of the latest confirmed fractal low"},
         "A fractal high is a candle whose high is strictly above the highs of the `half_width` candles on either "
         "side (a tie is no fractal), confirmed `half_width` bars after it; a fractal low likewise with lows. Each "
         "line holds the latest fractal's price; the first value waits until one fractal of each kind has been "
         "confirmed, so it can come well after the warm-up."},
        {"LinRegChannel", {50, 2},
         {"period: the number of closes fitted (at least 2)",
          "multiplier: the band distance in root-mean-square residuals"},
         {"upper: middle + multiplier × the residual deviation",
          "middle: the least-squares line of the last `period` closes, valued at the newest bar",
          "lower: middle − multiplier × the residual deviation"},
         "A least-squares line through the last `period` closes (refitted on every bar), valued at the newest bar, "
         "with bands `multiplier` times the root-mean-square residual, the sum of squared residuals divided by "
         "`period` (not `period` − 2, which `StandardErrorBands` uses)."},
        {"MedianChannel", {20, 2},
         {"period: the number of closes in the window",
          "multiplier: the band distance in median absolute deviations"},
         {"upper: median + multiplier × MAD", "middle: the median of the last `period` closes",
          "lower: median − multiplier × MAD"},
         "The median of the last `period` closes with bands `multiplier` median absolute deviations (the median of "
         "abs(close − median), unscaled, not multiplied by 1.4826) either side; an even window's median is the mean of "
         "its two middle values."},
        {"ProjectionBands", {14},
         {"period: the number of candles in the window (at least 2)"},
         {"upper: the greatest of the window's highs projected to the newest bar",
          "middle: the midpoint of upper and lower",
          "lower: the least of the window's lows projected to the newest bar"},
         "Each high of the last `period` candles is carried forward to the newest bar along the least-squares "
         "slope (per bar) of those `period` highs, each low along the slope of the lows; upper is the greatest "
         "projected high, lower the least projected low. Price levels."},
        {"QuartileBands", {20},
         {"period: the number of closes in the window"},
         {"upper: the 0.75 quantile of the last `period` closes", "middle: their median (the 0.5 quantile)",
          "lower: their 0.25 quantile"},
         "Quantiles of the last `period` closes, each interpolated linearly between neighbouring order statistics "
         "at position (n − 1) × p (the usual linear method of numpy and pandas)."},
        {"StandardErrorBands", {21, 2},
         {"period: the number of closes fitted (at least 3)",
          "multiplier: the band distance in standard errors of the fit"},
         {"upper: middle + multiplier × the standard error",
          "middle: the least-squares line of the last `period` closes, valued at the newest bar",
          "lower: middle − multiplier × the standard error"},
         "A least-squares line through the last `period` closes (refitted on every bar), valued at the newest bar, "
         "with bands `multiplier` standard errors of the fit either side: the square root of the sum of squared "
         "residuals divided by `period` − 2. The bands are not smoothed."},
    };
}
