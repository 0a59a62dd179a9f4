// What the volatility measures of the close compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(volatility) {
    return {
        {"BipowerVariation", {20},
         {"period: the number of log returns in the window (at least 2)"},
         {},
         "π/2 × the sum of abs(r_i × r_(i−1)) over the `period` − 1 adjacent pairs of the last `period` log "
         "returns r = ln(close / previous close): a plain sum in squared log-return units, neither averaged nor "
         "annualised. A close that is not finite and positive is refused; a window whose products are all 0 gives "
         "exactly 0."},
        {"EwmaVolatility", {0.94},
         {"lambda: the decay of the variance average, strictly between 0 and 1 (0.94 for daily bars)"},
         {},
         "The square root of V = λ × V + (1 − λ) × r², r = ln(close / previous close), with V seeded with the "
         "first squared return: a per-bar volatility of log returns (neither annualised nor in percent), given from "
         "the first return on. A close that is not finite and positive is refused."},
        {"Garch11", {0.000005, 0.1, 0.85},
         {"omega: the constant of the variance recursion, in squared log-return units (above 0)",
          "alpha: the weight of the previous squared return (at least 0)",
          "beta: the weight of the previous variance (at least 0; alpha + beta below 1)"},
         {},
         "The GARCH(1,1) volatility forecast of log returns ln(close / previous close): the first return gives the "
         "square root of the long-run variance omega / (1 − alpha − beta), every later one the square root of "
         "(omega + alpha × r²) + beta × V with r and V those of the previous bar, so a bar's value never reads its "
         "own return. Per bar, neither annualised nor in percent; a close that is not finite and positive is "
         "refused."},
        {"HistoricalVolatility", {20, 252},
         {"period: the number of log returns in the window (at least 2)",
          "annualisation: the number of bars in a year (252 for daily bars); the deviation is scaled by its square "
          "root"},
         {},
         "100 × the sample standard deviation (divided by `period` − 1) of the last `period` log returns "
         "ln(close / previous close) × √`annualisation`: an annualised volatility in percent. A close that is not "
         "finite and positive is refused."},
        {"JumpIndicator", {20, 3},
         {"period: the number of earlier log returns the new one is judged against (at least 2)",
          "threshold: the jump size in sample standard deviations (above 0)"},
         {},
         "+1 when this bar's log return ln(close / previous close) lies more than `threshold` sample standard "
         "deviations above the mean of the `period` returns before it, −1 when more than that below, else 0 (also "
         "when those returns do not vary); the bar's own return is not in its reference window. A close that is "
         "not finite and positive is refused."},
        {"RealizedVolatility", {20},
         {"period: the number of log returns summed"},
         {},
         "The square root of the sum of the last `period` squared log returns ln(close / previous close): neither "
         "averaged nor annualised, so it grows with √`period`. A close that is not finite and positive is refused; "
         "a window of zero returns gives exactly 0."},
        {"RviVolatility", {10},
         {"period: the number of closes in the deviation window, and the length of the Wilder averages (at least "
          "2)"},
         {},
         "The relative volatility index: the population standard deviation of the last `period` closes (prices, "
         "not returns) counts as up volatility when the close rose from the previous close and as down volatility "
         "when it fell (neither on an equal close); each is averaged Wilder-style, seeded with the plain mean of "
         "its first `period` values, and the value is 100 × up / (up + down), 0 to 100, exactly 50 when both "
         "averages are 0."},
        {"UlcerIndex", {14},
         {"period: the number of closes in the peak window and in the average of squared drawdowns"},
         {},
         "The root mean square of the last `period` percentage drawdowns 100 × (close − peak) / peak, each peak "
         "being the highest close of the `period` bars ending at that close (itself included): a non-negative "
         "percentage. A peak of 0 counts as no drawdown; a window without drawdown gives exactly 0."},
        {"VolatilityOfVolatility", {20, 20},
         {"returns_period: the number of log returns in each volatility (at least 2)",
          "vol_period: the number of volatilities whose deviation is taken (at least 2)"},
         {},
         "The sample standard deviation (divided by n − 1) of the last `vol_period` volatilities, each the sample "
         "standard deviation of the last `returns_period` log returns ln(close / previous close): in log-return "
         "units, neither annualised nor in percent. A close that is not finite and positive is refused."},
    };
}
