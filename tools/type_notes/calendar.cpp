// What the calendar types compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(calendar) {
    return {
        {"AverageDailyRange", {14, 0},
         {"days: the number of completed days averaged (n)",
          "offset_minutes: minutes added to the candle time before days are cut (0 for UTC days, −300 for UTC−5)"},
         {},
         "The mean high − low range of up to the last n completed local days, a price distance; the day in progress "
         "is left out. A day is the run of candles whose time (milliseconds since 1970 UTC) plus offset_minutes "
         "falls on one calendar date, and a candle of any other date, earlier or later, starts a new day; values "
         "start with the first candle of the second day (the mean of the days ended so far while fewer than n), and "
         "a window of zero ranges gives exactly 0."},
        {"OvernightGap", {0},
         {"offset_minutes: minutes added to the candle time before days are cut (0 for UTC days, −300 for UTC−5)"},
         {},
         "The open of the local day's first candle over the last close of the day before, minus 1: a fraction (0.01 "
         "a gap of 1 % up), repeated on every candle of the day, 0 after a close of 0. Days as in "
         "`AverageDailyRange` (candle time in UTC milliseconds plus offset_minutes), so values start on the second "
         "day; a gap ratio that is not finite gives no value on any candle of that day, and the next day's gap is "
         "measured from that day's last close."},
        {"SeasonalZScore", {0},
         {"offset_minutes: minutes added to the candle time before its hour is taken (0 for UTC hours)"},
         {},
         "How unusual the bar's return is for its hour of day: (r − mean) / the sample standard deviation (divided by "
         "count − 1) of the earlier returns of the same local hour, r = close / previous close − 1 (0 after a close "
         "of 0). The hour comes from the candle time (UTC milliseconds) plus offset_minutes, with 24 buckets kept "
         "over the whole run and no window; an hour gives values once it holds two earlier returns, 0 while their "
         "deviation is 0, and a return that is not finite gives no value and leaves the buckets alone while its "
         "close still becomes the base."},
        {"TurnOfMonth", {3, 1, 0},
         {"first_days: how many first days of each month count (0 none)",
          "last_days: how many last days of each month count (0 none)",
          "offset_minutes: minutes added to the candle time before days are cut (0 for UTC days)"},
         {},
         "The mean daily return, a fraction, of every completed local day since the start of the run that lies within the first first_days or the last "
         "last_days calendar (not trading) days of their month; a day's return is its last close over the day before's last "
         "close, minus 1 (0 after a close of 0), and both counts 0 are refused. A day's return that is not finite is left out of the "
         "mean (a candle that would give one gives no value), and the next day's return is taken from that "
         "day's close. Days from the candle time (UTC "
         "milliseconds) plus offset_minutes; values start only once a selected day with a day before it has ended, "
         "and every later candle repeats the running mean (the day in progress counts once it ends)."},
    };
}
