// What the tail-risk measures compute. Each reads the close column itself as a series of per-bar
// returns; none derives returns from prices.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(tail_risk) {
    return {
        {"CommonSenseRatio", {252},
         {"period: the number of returns in the window (at least 2)"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The profit factor (sum of the "
         "positive returns over the sum of the magnitudes of the negative ones) times the tail ratio q95 / abs(q05) "
         "of the last `period`, the quantiles interpolated linearly at h = (`period` − 1) × p of the sorted window. "
         "0 for a window without a loss, or when q05 is 0."},
        {"ConditionalValueAtRisk", {252, 0.95},
         {"period: the number of returns in the window (at least 2)",
          "confidence: the confidence level, strictly between 0 and 1 (0.95 looks at the worst 5 %)"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The mean of the k lowest of the last "
         "`period` returns, k = floor((1 − `confidence`) × `period`) and at least 1, negated into a loss: a "
         "non-negative number in the unit of the returns, 0 when that tail mean is not a loss."},
        {"TailRatio", {252},
         {"period: the number of returns in the window (at least 2)"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The 95 % quantile over the magnitude "
         "of the 5 % quantile of the last `period` returns, each interpolated linearly at h = (`period` − 1) × p of "
         "the sorted window; 0 when the 5 % quantile is 0."},
        {"ValueAtRisk", {252, 0.95},
         {"period: the number of returns in the window (at least 2)",
          "confidence: the confidence level, strictly between 0 and 1 (0.95 reads the 5 % quantile)"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The historical (1 − `confidence`) "
         "quantile of the last `period` returns, interpolated linearly at h = (1 − `confidence`) × (`period` − 1) "
         "of the sorted window, negated into a loss: a non-negative number in the unit of the returns, 0 when the "
         "quantile is not a loss."},
    };
}
