// What the spread dynamics compute: how the gap between the close and the reference close of the
// same bar reverts, persists, scales and ranges. The spread is the plain price difference
// close − reference (no hedge ratio, no logarithms) unless a note says otherwise.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(spread_dynamics) {
    return {
        {"OuHalfLife", {60},
         {"period: the number of spreads in the window (at least 3)"},
         {},
         "The Ornstein-Uhlenbeck half-life −ln 2 / b in bars, b the least-squares slope (with an intercept) of the "
         "one-bar change s(t+1) − s(t) on the level s(t) over the last `period` spreads s = close − reference. 0 "
         "when the spread does not revert (b at or above 0) or its level does not vary."},
        {"RelativeStrengthAB", {20, 14},
         {"ma_period: the number of ratios in the simple moving average",
          "rsi_period: the length of the RSI of the ratio"},
         {"ratio: close / reference close of this bar",
          "ratio_ma: the simple moving average of the last `ma_period` ratios",
          "ratio_rsi: Wilder's RSI of the ratio (averages seeded with the plain mean of the first `rsi_period` "
          "changes), 0 to 100"},
         "Follows the close relative to the reference close through their ratio, its simple average and its RSI; "
         "the bar gives values once both averages do. A reference of 0 is refused."},
        {"SpreadAr1Coefficient", {60},
         {"period: the number of spreads in the window (at least 3)"},
         {},
         "The first-order autoregression coefficient of the spread close − reference: the least-squares slope (with "
         "an intercept) of s(t+1) on s(t) over the last `period` spreads, not clamped (near 1 persistent, below 1 "
         "reverting). 0 when the spread does not vary."},
        {"SpreadBollingerBands", {20, 2},
         {"period: the number of spreads in the window (at least 2)",
          "num_std: the band width in population standard deviations (above 0)"},
         {"middle: the mean of the last `period` spreads",
          "upper: middle + `num_std` × the population standard deviation",
          "lower: middle − `num_std` × the population standard deviation",
          "percent_b: where this bar's spread lies between the bands, (spread − lower) / (upper − lower), 0.5 when "
          "they coincide"},
         "Bollinger bands around the spread close − reference, in price units, with the population standard "
         "deviation (divided by `period`) of the last `period` spreads, this one included."},
        {"SpreadHurst", {100},
         {"period: the number of spreads in the window (at least 8)"},
         {},
         "The Hurst exponent of the spread close − reference from how its mean squared k-bar change v(k) grows "
         "with k = 1 .. floor(`period` / 4) over the window: half the least-squares slope of ln v(k) on ln k, "
         "clamped to 0 .. 1 (below 0.5 mean-reverting, above trending). Lags without change are left out; 0.5 "
         "when fewer than two remain."},
        {"VarianceRatio", {60, 5},
         {"period: the number of spreads in the window (at least `q` + 2)",
          "q: the horizon in bars of the long changes (at least 2)"},
         {},
         "The variance of the overlapping `q`-bar changes of the spread close − reference over `q` times the "
         "variance of its one-bar changes, within the last `period` spreads; both variances are population ones "
         "around `q` × and 1 × the mean one-bar change, without bias correction. 1 for a random walk (and exactly "
         "1 when the one-bar changes do not vary), below 1 mean-reverting, above 1 trending."},
    };
}
