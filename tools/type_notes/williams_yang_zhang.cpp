// What Williams %R and the Yang-Zhang volatility compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(williams_yang_zhang) {
    return {
        {"WilliamsR", {14}, {"period: the number of candles in the window (n)"}, {},
         "Williams %R: −100 × (highest high − close) / (highest high − lowest low) over the last n candles, from −100 "
         "(the close at the lowest low) to 0 (at the highest high); −50 on a window without range."},
        {"YangZhangVolatility", {20, 252},
         {"period: the number of candles in the window (n), at least 2",
          "periods_per_year: the annualising count of bars (252 for daily bars)"},
         {},
         "Annualised Yang-Zhang volatility in percent: 100 × sqrt(var_o + k × var_c + (1 − k) × var_rs) × "
         "sqrt(periods_per_year) over the last n candles, var_o and var_c the sample variances (divided by n − 1) of "
         "the overnight log returns ln(open / previous close) and of ln(close / open), var_rs the mean Rogers-Satchell "
         "term ln(high/close) × ln(high/open) + ln(low/close) × ln(low/open) floored at 0, and k = 0.34 / (1.34 + (n "
         "+ 1) / (n − 1)). The first candle only gives the previous close; a candle with a log that is not finite (a "
         "zero or mixed-sign price) gives no value and stays out of the window, its close still becoming the previous "
         "close."},
    };
}
