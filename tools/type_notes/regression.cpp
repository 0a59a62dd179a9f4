// What the least-squares lines of the close and the correlation of the closes with time compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(regression) {
    return {
        {"Cfo", {14}, {"period: the number of closes in the fit, at least 2"}, {},
         "Chande's forecast oscillator: 100 × (close − the least-squares line of the last `period` closes at the "
         "newest bar) / close, in percent of the close. A close of exactly 0 repeats the previous value (none before "
         "the first); a flat window gives 0."},
        {"CorrelationTrendIndicator", {20}, {"period: the number of closes correlated, at least 2"}, {},
         "The Pearson correlation of the last `period` closes with their positions in time (oldest first): from −1 "
         "for a straight fall to +1 for a straight rise. A flat window gives 0."},
        {"LinRegAngle", {14}, {"period: the number of closes in the fit, at least 2"}, {},
         "The angle in degrees (−90 to 90) of the least-squares slope of the last `period` closes, atan(slope) with "
         "the slope in price units per bar: a rise of one price unit a bar is 45 degrees, so the angle depends on "
         "the price scale. A flat window gives 0."},
        {"LinRegIntercept", {14}, {"period: the number of closes in the fit, at least 2"}, {},
         "The least-squares line of the last `period` closes against bar positions 0 (oldest) .. period − 1 "
         "(newest), at position 0: the fitted close `period` − 1 bars back, not at the newest bar. A price level; a "
         "flat window gives the close."},
        {"LinRegSlope", {14}, {"period: the number of closes in the fit, at least 2"}, {},
         "The slope of the least-squares line of the last `period` closes against bar positions, in price units per "
         "bar. A flat window gives exactly 0."},
        {"LinearRegression", {14}, {"period: the number of closes in the fit, at least 2"}, {},
         "The least-squares line of the last `period` closes at the newest bar (intercept + slope × (period − 1)): "
         "the end point of the regression line. A price level; a flat window gives the close."},
        {"RSquared", {14}, {"period: the number of closes in the fit, at least 2"}, {},
         "The coefficient of determination (r²) of the least-squares line of the last `period` closes against time, "
         "from 0 (no linear trend) to 1 (every close on the line). A flat window gives exactly 1."},
        {"StandardError", {14}, {"period: the number of closes in the fit, at least 3"}, {},
         "The standard error of the estimate of the least-squares line of the last `period` closes: the square root "
         "of the sum of squared residuals divided by period − 2. In price units; a flat window gives 0."},
        {"Tsf", {14}, {"period: the number of closes in the fit, at least 2"}, {},
         "The time series forecast: the least-squares line of the last `period` closes one bar past the newest "
         "(intercept + slope × period), a forecast of the next close. A price level."},
        {"TsfOscillator", {14}, {"period: the number of closes in the fit, at least 2"}, {},
         "100 × (close − TSF) / close, TSF the least-squares line of the last `period` closes (this close included) "
         "projected one bar ahead: in percent of the close. A close of exactly 0 repeats the previous value (none "
         "before the first); a flat window gives 0."},
    };
}
