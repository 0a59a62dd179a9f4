// What the trailing stops and the trend and regime labels of the close compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(trailing_labels) {
    return {
        {"PercentageTrailingStop", {2.5}, {"percent: the distance of the stop from the close, in percent of the close"},
         {},
         "A stop d = abs(close) × percent / 100 from the close that starts long at close − d: long, it rises to "
         "close − d when that is higher and flips short to close + d when the close falls strictly below it; short, "
         "the mirror image. A price level, below the close while long and above it while short."},
        {"RegimeLabel", {20, 60},
         {"vol_period: the number of log returns in each volatility, at least 2",
          "lookback: the number of volatilities ranked, at least 2"},
         {},
         "The sample standard deviation (divided by vol_period − 1) of the last `vol_period` log returns ln(close / "
         "previous close), against the 25% and 75% quantiles (linear interpolation at (lookback − 1) × q) of its "
         "last `lookback` values, this one included: −1 below the lower quartile (calm), +1 above the upper "
         "(volatile), 0 between. Closes that are zero or negative are skipped; identical returns give a deviation of "
         "exactly 0."},
        {"RenkoTrailingStop", {2}, {"brick: the brick size, in price units"}, {},
         "A stop one brick behind an anchor that starts at the first close and moves in whole bricks with the "
         "close: long, the anchor rises by floor((close − anchor) / brick) bricks and the stop is anchor − brick; a "
         "close strictly below that stop flips short, re-anchoring at the close with the stop at close + brick; "
         "short, the mirror image. A price level."},
        {"StepTrailingStop", {1.5}, {"step: the grid step, in price units"}, {},
         "A stop on the grid of multiples of `step`, with candidates step × floor((close − step) / step) below and "
         "step × ceil((close + step) / step) above the close: it starts long at the lower one, rises with it, and "
         "flips short to the upper one when the close falls strictly below the stop; short, the mirror image. A "
         "price level."},
        {"TrendLabel", {20}, {"period: the number of closes in the fit, at least 2"}, {},
         "The sign of the least-squares slope of the last `period` closes against time: +1 rising, −1 falling, 0 "
         "for a flat window."},
        {"TrendStrengthIndex", {20}, {"period: the number of closes in the fit, at least 2"}, {},
         "The squared correlation (r²) of the last `period` closes with time, negative when the least-squares line "
         "falls: −1 to 1, near ±1 for a clean trend. 0 when the closes have no spread (a flat window)."},
    };
}
