// What the drawdown measures and the risk and performance ratios compute. None of them derives
// returns from prices: each reads the close column itself, as levels or as per-bar returns.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(risk_ratios) {
    return {
        {"AverageDrawdown", {252},
         {"period: the number of levels in the window"},
         {},
         "Reads each close as a level (a price or an equity value) and splits the last `period` into drawdown "
         "episodes: a level at or above the running peak ends the open episode and becomes the peak, a level below "
         "it opens or deepens one. The value is the mean depth (peak − trough) / peak of the episodes, the one still "
         "open included, as a fraction (0.1 is 10 %); episodes under a peak of 0 or below do not count, and 0 "
         "without any."},
        {"BurkeRatio", {252},
         {"period: the number of returns in the window (at least 2)"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The mean of the last `period` returns "
         "over the square root of the summed squared depths of the drawdown episodes of their compounded equity "
         "curve (starting at 1 and multiplied by 1 + r per return, the peak starting at 1, depths as fractions); 0 "
         "without an episode. Not annualised."},
        {"CalmarRatio", {252},
         {"period: the number of returns in the window (at least 2)"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The mean of the last `period` returns "
         "over the largest drawdown (peak − equity) / peak of their compounded equity curve, which starts at 1 and "
         "is multiplied by 1 + r per return with the peak starting at 1, so a first loss already counts; 0 without "
         "a drawdown. Not annualised."},
        {"Expectancy", {252},
         {"period: the number of returns in the window"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The mean of the last `period` returns "
         "(all of them, zeros included) over the average loss (the mean size of the negative ones, as a positive "
         "amount): the mean result in units of the average loss. 0 while the window holds no loss."},
        {"GainLossRatio", {252},
         {"period: the number of returns in the window"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The average gain (mean of the "
         "positive returns, 0 without any) over the average loss (mean size of the negative ones) of the last "
         "`period`; zeros count as neither. 1 for a window with neither gains nor losses, plus infinity for gains "
         "without a loss."},
        {"GainToPainRatio", {252},
         {"period: the number of returns in the window"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The sum of the last `period` returns "
         "over the sum of their losses taken as positive amounts; 0 while the window holds no loss."},
        {"KRatio", {252},
         {"period: the number of returns in the window (at least 3)"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The cumulative sums of the last "
         "`period` returns (added, not compounded) are fitted by least squares against 1 .. `period`; the value is "
         "the slope over its standard error √((RSS / (`period` − 2)) / Σ(i − mean i)²), with no further scaling by "
         "the period. 0 when the line fits exactly, a constant window included."},
        {"KellyCriterion", {252},
         {"period: the number of returns in the window"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The Kelly fraction p − (1 − p) / b "
         "of the last `period`, p the share of positive returns (zeros count as neither gain nor loss) and b the "
         "average gain over the average loss; p itself without a loss, −1 with losses and no gain."},
        {"M2Measure", {252, 0, 0.01},
         {"period: the number of returns in the window (at least 2)",
          "risk_free: the risk-free return per bar, in the unit of the returns",
          "benchmark_stddev: the benchmark's standard deviation per bar, in the unit of the returns (at least 0)"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The Sharpe ratio restated as a "
         "return: `risk_free` + `benchmark_stddev` × (mean − `risk_free`) / sd over the last `period` returns, sd "
         "the sample standard deviation (divided by `period` − 1); not annualised. 0 (not `risk_free`) when the "
         "returns do not vary, a constant window exactly."},
        {"MartinRatio", {252},
         {"period: the number of returns in the window (at least 2)"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The mean of the last `period` returns "
         "over the ulcer index of their compounded equity curve (starting at 1, multiplied by 1 + r per return, "
         "the peak starting at 1): the root mean square of the percentage drawdowns 100 × (peak − equity) / peak "
         "taken after every return. 0 without a drawdown; not annualised."},
        {"MaxDrawdown", {252},
         {"period: the number of levels in the window"},
         {},
         "Reads each close as a level (a price or an equity value). The largest drawdown (peak − level) / peak of "
         "the last `period` levels under the running peak from the start of the window, as a fraction from 0 (0.25 "
         "is 25 %); levels under a peak of 0 or below count for nothing, and a window without drawdown gives 0."},
        {"OmegaRatio", {252, 0},
         {"period: the number of returns in the window",
          "threshold: the return that separates gains from losses, in the unit of the returns"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). With d = r − `threshold` over the "
         "last `period` returns, the sum of the d at or above 0 over the sum of the magnitudes of the d below 0. "
         "1 when every return equals the threshold, plus infinity for gains without a loss."},
        {"PainIndex", {252},
         {"period: the number of levels in the window"},
         {},
         "Reads each close as a level (a price or an equity value). The sum of the drawdowns (peak − level) / peak "
         "of the last `period` levels under the running peak from the start of the window, divided by `period`: "
         "the mean drawdown as a fraction. Levels under a peak of 0 or below add nothing."},
        {"ProfitFactor", {252},
         {"period: the number of returns in the window"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The sum of the positive returns of "
         "the last `period` over the sum of the magnitudes of the negative ones; 1 for a window with neither, plus "
         "infinity for gains without a loss."},
        {"RecoveryFactor", {},
         {},
         {},
         "Reads each close as a level, over the whole run without a window: the return since the first close "
         "(close / first close − 1) over the largest drawdown (peak − close) / peak seen so far, the peak being the "
         "highest close yet and drawdowns counting only under a peak above 0. 0 until the first drawdown; no value "
         "at all when the first close is 0."},
        {"SharpeRatio", {252, 0},
         {"period: the number of returns in the window (at least 2)",
          "risk_free: the risk-free return per bar, in the unit of the returns"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). (mean − `risk_free`) / sd over the "
         "last `period` returns, sd the sample standard deviation (divided by `period` − 1); a per-bar ratio, not "
         "annualised (multiply by √252 for daily returns). 0 when the returns do not vary, a constant window "
         "exactly."},
        {"SortinoRatio", {252, 0},
         {"period: the number of returns in the window (at least 2)",
          "mar: the minimum acceptable return per bar, in the unit of the returns"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). (mean − `mar`) over the downside "
         "deviation √(Σ min(r − `mar`, 0)² / `period`) of the last `period` returns, the sum over the returns "
         "below `mar` but divided by the whole count; not annualised. 0 when no return falls below `mar`."},
        {"SterlingRatio", {252},
         {"period: the number of returns in the window (at least 2)"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The mean of the last `period` returns "
         "over the mean depth of the drawdown episodes of their compounded equity curve (starting at 1, multiplied "
         "by 1 + r per return, the peak starting at 1, depths as fractions, the episode still open included); 0 "
         "without an episode. No 10 % is added to the depth; not annualised."},
        {"UpsidePotentialRatio", {252, 0},
         {"period: the number of returns in the window (at least 2)",
          "mar: the minimum acceptable return per bar, in the unit of the returns"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The mean upside Σ max(r − `mar`, 0) "
         "/ `period` over the downside deviation √(Σ min(r − `mar`, 0)² / `period`) of the last `period` returns; 0 "
         "without a return below `mar`."},
        {"WinRate", {252},
         {"period: the number of returns in the window"},
         {},
         "Reads each close as a per-bar return (it derives none from prices). The share of the last `period` "
         "values that are above 0, as a fraction from 0 to 1 (zeros are not wins)."},
    };
}
