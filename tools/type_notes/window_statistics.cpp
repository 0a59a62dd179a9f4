// What the window statistics of the close compute: moments, order statistics, serial structure
// and complexity. Each reads the closes themselves (prices, not returns).
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(window_statistics) {
    return {
        {"Autocorrelation", {20, 1},
         {"period: the number of closes in the window (above `lag`)",
          "lag: the distance in bars between the paired closes (at least 1)"},
         {},
         "The lag-`lag` autocorrelation of the last `period` closes (prices, not returns): Σ (y_i − m)(y_(i+lag) − "
         "m) over the `period` − `lag` pairs divided by Σ (y_i − m)² over the whole window, m the window mean, with "
         "no N / (N − lag) correction; about −1 to 1. 0 for a constant window."},
        {"CoefficientOfVariation", {20},
         {"period: the number of closes in the window"},
         {},
         "The population standard deviation (divided by `period`) of the last `period` closes over their mean: a "
         "ratio, not a percentage, that keeps the sign of the mean. 0 when the mean is 0."},
        {"DetrendedStdDev", {20},
         {"period: the number of closes in the window (at least 2)"},
         {},
         "The standard deviation of the last `period` closes around their least-squares line against the bar "
         "index: √(Σ residual² / `period`), divided by `period` (not `period` − 2), in price units. 0 for closes on "
         "a straight line."},
        {"HurstExponent", {100, 4},
         {"period: the number of closes in the window (at least 2 × `chunks`)",
          "chunks: the largest number of pieces the window is cut into (at least 2)"},
         {},
         "The rescaled-range Hurst exponent of the last `period` closes (the prices themselves, not their "
         "returns): for k = 1 .. `chunks` the window is cut from its oldest close into k pieces of floor(`period` / "
         "k) closes, each piece's range of cumulative deviations from its mean over its population standard "
         "deviation is averaged, and the value is the least-squares slope of ln(mean R/S) on ln(piece size), "
         "clamped to 0 .. 1. 0.5 for a constant window or with fewer than two usable points."},
        {"JarqueBera", {20},
         {"period: the number of closes in the window (at least 4)"},
         {},
         "The Jarque-Bera statistic `period` / 6 × (S² + K² / 4) of the last `period` closes, S the population "
         "skewness and K the population excess kurtosis (moments divided by `period`, no small-sample correction). "
         "0 for a constant window."},
        {"Kurtosis", {20},
         {"period: the number of closes in the window (at least 4)"},
         {},
         "The population excess kurtosis m4 / m2² − 3 of the last `period` closes, central moments divided by "
         "`period` with no small-sample correction (a normal sample gives about 0). 0 for a constant window."},
        {"MedianAbsoluteDeviation", {20},
         {"period: the number of closes in the window"},
         {},
         "The median of abs(close − M) over the last `period` closes, M their median (the midpoint of the two middle "
         "values for an even window), in price units; no 1.4826 scale factor."},
        {"RollingIqr", {20},
         {"period: the number of closes in the window"},
         {},
         "The 75 % quantile minus the 25 % quantile of the last `period` closes, each interpolated linearly at h = "
         "(`period` − 1) × p of the sorted window, in price units."},
        {"RollingMinMaxScaler", {20},
         {"period: the number of closes in the window (at least 2)"},
         {},
         "(close − low) / (high − low), low and high the lowest and highest of the last `period` closes (this one "
         "included): 0 at the window's low, 1 at its high, exactly 0.5 for a window without range."},
        {"RollingPercentileRank", {20},
         {"period: the number of closes in the window"},
         {},
         "The percentile rank of the close among the last `period` closes, itself included: 100 × (the count below "
         "it + half the count equal to it, itself among them) / `period`, so 0 to 100 with a new high of distinct "
         "values at 100 × (`period` − 0.5) / `period`; a constant window ranks exactly 50."},
        {"RollingQuantile", {20, 0.5},
         {"period: the number of closes in the window",
          "q: the quantile, from 0 (the lowest close) to 1 (the highest); 0.5 is the median"},
         {},
         "The `q` quantile of the last `period` closes, interpolated linearly at h = (`period` − 1) × `q` of the "
         "sorted window, in price units."},
        {"SampleEntropy", {100, 2, 0.2},
         {"period: the number of closes in the window (at least `m` + 2)",
          "m: the template length, in closes",
          "r_factor: the tolerance as a multiple of the window's population standard deviation (above 0)"},
         {},
         "The sample entropy of the last `period` closes: of the pairs of templates of `m` consecutive closes (the "
         "`period` − `m` starting points, no self-matches) that match within r = `r_factor` × the population "
         "standard deviation (every close within r), −ln of the share that still match at length `m` + 1. ln B when "
         "none does (B the matching pairs), 0 without a match or for a constant window."},
        {"ShannonEntropy", {50, 10},
         {"period: the number of closes in the window",
          "bins: the number of equal-width bins between the window's low and high (at least 2)"},
         {},
         "The Shannon entropy in bits, −Σ p log2 p, of the last `period` closes counted into `bins` equal-width bins "
         "spanning the window's lowest to highest close (the highest in the last bin): 0 to log2(`bins`). 0 for a "
         "window without range."},
        {"Skewness", {20},
         {"period: the number of closes in the window (at least 3)"},
         {},
         "The population skewness m3 / m2^1.5 of the last `period` closes, central moments divided by `period` "
         "with no small-sample correction. 0 for a constant window."},
        {"StdDev", {20},
         {"period: the number of closes in the window"},
         {},
         "The population standard deviation (divided by `period`, not `period` − 1) of the last `period` closes, "
         "in price units; exactly 0 for a constant window."},
        {"Variance", {20},
         {"period: the number of closes in the window"},
         {},
         "The population variance (divided by `period`, not `period` − 1) of the last `period` closes, in squared "
         "price units; exactly 0 for a constant window."},
        {"ZScore", {20},
         {"period: the number of closes in the window"},
         {},
         "(close − mean) / sd over the last `period` closes, this one included, sd the population standard "
         "deviation (divided by `period`). 0 for a constant window."},
    };
}
