// What the cointegration and causality models compute: small econometric fits of the close on the
// reference close of the same bar, refitted over a window or filtered recursively, on price
// levels unless a note says otherwise.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(cointegration) {
    return {
        {"Cointegration", {60, 1},
         {"period: the number of (close, reference) pairs in the window (at least 2 × `adf_lags` + 4)",
          "adf_lags: the number of lagged residual changes in the Dickey-Fuller regression"},
         {"hedge_ratio: the least-squares slope of close on reference over the window (0 when the reference does "
          "not vary)",
          "spread: this bar's residual close − (intercept + hedge_ratio × reference)",
          "adf_stat: the augmented Dickey-Fuller t statistic of the window's residuals (more negative is more "
          "mean-reverting)"},
         "Engle-Granger on prices: the regression close = intercept + hedge_ratio × reference over the last "
         "`period` pairs gives a residual series e, and the ADF statistic is the t value of ρ in Δe(t) = ρ e(t−1) + "
         "Σ γ_j Δe(t−j), j = 1 .. `adf_lags`, fitted with no constant and s² = RSS / (observations − regressors). "
         "adf_stat is 0 when that fit is singular."},
        {"GrangerCausality", {60, 2},
         {"period: the number of (close, reference) pairs in the window (at least 3 × `lag` + 2)",
          "lag: the number of lagged closes and lagged references in the regressions (at least 1)"},
         {},
         "The F statistic of whether `lag` lagged reference closes, added to a constant and `lag` lagged closes, "
         "improve the least-squares fit of the close over the window (price levels, not returns): ((RSS_r − "
         "RSS_u) / `lag`) / (RSS_u / (n − (2 × `lag` + 1))), n = `period` − `lag` observations. 0 when a fit is "
         "singular or the statistic is negative, plus infinity when only the unrestricted fit is exact."},
        {"HasbrouckInformationShare", {60},
         {"period: the number of model rows (bars of changes) in the window (at least 6)"},
         {},
         "The close's share of price discovery from an error-correction model: the one-bar changes of close and "
         "reference are each regressed on a constant, the previous bar's gap close − reference and both previous "
         "changes; from the adjustment speeds and the residual covariance (divided by the row count) the value is "
         "the midpoint of the share's upper and lower bounds (close ordered first, reference first), 0 to 1. 0.5 "
         "when a fit fails or the model is degenerate; the first two pairs only seed the changes."},
        {"KalmanHedgeRatio", {0.0001, 0.001},
         {"delta: the drift of the coefficients, strictly between 0 and 1; each bar adds delta / (1 − delta) to "
          "their variances",
          "observation_var: the variance of the measurement noise, in squared price units (above 0)"},
         {"hedge_ratio: the filtered slope of close on reference after this bar",
          "intercept: the filtered intercept after this bar",
          "spread: this bar's forecast error close − (hedge_ratio × reference + intercept), with the coefficients "
          "from before the bar"},
         "A two-state Kalman filter of close = intercept + hedge_ratio × reference on prices, both coefficients "
         "random walks starting at 0 with zero covariance, so the first bar gives hedge_ratio and intercept 0 and "
         "spread = close. A bar whose innovation variance is not finite and positive, or whose state would not stay "
         "finite, gives nothing and changes nothing."},
        {"LeadLagCrossCorrelation", {60, 5},
         {"window: the number of pairs in each correlation (at least 2)",
          "max_lag: the largest shift in bars between closes and references (at least 1)"},
         {"correlation: the signed correlation of largest magnitude among the shifts"},
         "The closes of the `window` bars ending `max_lag` bars before this one are correlated (Pearson, "
         "population moments, on prices) with the references shifted by d = 0, −1, +1, .. , −`max_lag`, "
         "+`max_lag` bars (negative: the reference earlier, leading); the value is the correlation of largest "
         "magnitude with its sign, −1 to 1, the earlier candidate winning ties. A flat shift counts as 0; the lag "
         "itself is not reported."},
    };
}
