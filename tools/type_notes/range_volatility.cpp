// What the range-based volatility estimators compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(range_volatility) {
    return {
        {"GarmanKlassVolatility", {20, 252},
         {"period: the number of candles averaged (n)", "bars_per_year: the annualising count of bars (252 for daily bars)"},
         {},
         "Annualised Garman-Klass volatility in percent: 100 × sqrt(m) × sqrt(bars_per_year), m the mean over the "
         "last n candles of 0.5 × ln(high/low)² − (2 ln 2 − 1) × ln(close/open)², floored at 0; reads open, high, "
         "low and close. A candle whose term is not finite (a zero or mixed-sign price) gives no value and stays out "
         "of the window; a window of zero terms gives exactly 0."},
        {"ParkinsonVolatility", {20, 252},
         {"period: the number of candles averaged (n)", "bars_per_year: the annualising count of bars (252 for daily bars)"},
         {},
         "Annualised Parkinson volatility in percent: 100 × sqrt(m) × sqrt(bars_per_year), m the mean over the last "
         "n candles of ln(high/low)² scaled by 1/(4 ln 2); reads high and low only. A candle whose term is not "
         "finite (a zero or mixed-sign price) gives no value and stays out of the window; a window of zero terms "
         "gives exactly 0."},
        {"RogersSatchellVolatility", {20, 252},
         {"period: the number of candles averaged (n)", "bars_per_year: the annualising count of bars (252 for daily bars)"},
         {},
         "Annualised Rogers-Satchell volatility in percent, unbiased by a drift: 100 × sqrt(m) × "
         "sqrt(bars_per_year), m the mean over the last n candles of ln(high/close) × ln(high/open) + ln(low/open) × "
         "ln(low/close), floored at 0; reads open, high, low and close. A candle whose term is not finite gives no "
         "value and stays out of the window; a window of zero terms gives exactly 0."},
    };
}
