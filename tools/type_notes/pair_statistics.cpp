// What the rolling pair statistics compute. Each reads the bar's close and the close of the
// reference series on the same bar; a bar where either is missing or not finite changes nothing.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(pair_statistics) {
    return {
        {"Alpha", {60, 0},
         {"period: the number of (close, reference) pairs in the window (at least 2)",
          "rf: the risk-free rate, in the unit of the series, used as given"},
         {},
         "mean close − (`rf` + β × (mean reference − `rf`)) over the last `period` pairs, β the population "
         "covariance over the reference's population variance, computed on the values as they come (prices, not "
         "returns: feed return series for the usual alpha). mean close − `rf` when the reference does not vary."},
        {"Beta", {60},
         {"period: the number of (close, reference) pairs in the window (at least 2)"},
         {},
         "The least-squares slope of the close on the reference close over the last `period` bars: covariance over "
         "the reference's variance, both population moments, computed on prices (not returns; `PairwiseBeta` takes "
         "log returns). 0 when the reference does not vary."},
        {"BetaNeutralSpread", {60},
         {"period: the number of (close, reference) pairs in the regression (at least 2)"},
         {},
         "This bar's close less its fit intercept + β × reference, from the least-squares regression of the close "
         "on the reference close (prices, with an intercept) over the last `period` pairs, this one included: a "
         "residual in price units. β is 0 when the reference does not vary, leaving close − mean close."},
        {"DistanceSsd", {60},
         {"period: the number of (close, reference) pairs in the window (at least 2)"},
         {},
         "The sum of squared distances Σ (close_i / close_0 − reference_i / reference_0)² over the last `period` "
         "pairs, both series normalised to 1 at the window's oldest pair; 0 when that pair holds an exact 0."},
        {"EstimatedLeverageRatio", {},
         {},
         {},
         "close / reference close of the same bar when the reference is above 0, else 0."},
        {"InformationRatio", {60},
         {"period: the number of differences in the window (at least 2)"},
         {},
         "The mean of the last `period` differences close − reference over their sample standard deviation "
         "(divided by `period` − 1), on the values as they come (feed return series for the usual active-return "
         "ratio); a per-bar ratio, not annualised. 0 when the differences do not vary."},
        {"KendallTau", {60},
         {"period: the number of (close, reference) pairs in the window (at least 2)"},
         {},
         "Kendall's tau-b of the close against the reference close over the last `period` pairs: (concordant − "
         "discordant) / √((n0 − ties in close) × (n0 − ties in reference)), n0 = `period` × (`period` − 1) / 2, "
         "by exact comparisons of prices; −1 to 1, and 0 when either series is all ties."},
        {"PairSpreadZScore", {60, 20},
         {"beta_period: the number of pairs in the hedge-ratio regression (at least 2)",
          "z_period: the number of spreads in the z-score window (at least 2)"},
         {},
         "The spread ln close − β × ln reference, β the least-squares slope (covariance over variance) of ln close "
         "on ln reference over the last `beta_period` pairs with no intercept in the spread, as a z-score against "
         "the last `z_period` spreads, this one included: (spread − mean) / population standard deviation, 0 when "
         "the spreads do not vary. Spreads are collected only once the beta window is full; a pair with a price "
         "not above 0 is refused, and β is 0 when the log reference does not vary."},
        {"PairwiseBeta", {60},
         {"period: the number of log-return pairs in the window (at least 2)"},
         {},
         "The beta of the close's log returns ln(close / previous close) on the reference's ln(reference / "
         "previous reference) over the last `period` bars: covariance over the reference returns' variance. A pair "
         "with a price not above 0 is refused; 0 when the reference returns do not vary."},
        {"PearsonCorrelation", {60},
         {"period: the number of (close, reference) pairs in the window (at least 2)"},
         {},
         "The Pearson correlation of the close and the reference close over the last `period` bars, on prices "
         "(levels, not returns or changes; `RollingCorrelation` takes changes), clamped to −1 .. 1; 0 when either "
         "does not vary."},
        {"RollingCorrelation", {60},
         {"period: the number of change pairs in the window (at least 2)"},
         {},
         "The Pearson correlation of the last `period` first differences close − previous close and reference − "
         "previous reference (price changes, not percentage or log returns), clamped to −1 .. 1; 0 when either "
         "does not vary."},
        {"RollingCovariance", {60},
         {"period: the number of change pairs in the window (at least 2)"},
         {},
         "The population covariance (divided by `period`) of the last `period` first differences close − previous "
         "close and reference − previous reference: price changes, not returns, in squared price units."},
        {"SpearmanCorrelation", {60},
         {"period: the number of (close, reference) pairs in the window (at least 2)"},
         {},
         "The Pearson correlation of the ranks of the closes and of the reference closes over the last `period` "
         "bars, equal values sharing the mean of their places; −1 to 1, and 0 when either series is all equal."},
        {"TreynorRatio", {60, 0},
         {"period: the number of (close, reference) pairs in the window (at least 2)",
          "rf: the risk-free rate, in the unit of the series, used as given"},
         {},
         "(mean close − `rf`) / β over the last `period` pairs, β the population covariance of close and reference "
         "over the reference's population variance, on the values as they come (prices, not returns: feed return "
         "series for the usual ratio). 0 when the reference does not vary or β is 0."},
    };
}
