// What the reversal signals of the candle compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(reversal_signals) {
    return {
        {"NewPriceLines", {8}, {"count: how many closes in a row must rise (or fall) to give a signal, at least 2"},
         {},
         "A contrarian count of consecutive new closes: +1 once the close has fallen count or more times in a row "
         "(each below the one before), −1 once it has risen count or more times in a row, 0 otherwise; an unchanged "
         "close ends both runs. Reads the close."},
        {"PivotReversal", {4, 2},
         {"left: the number of bars before a pivot that it must exceed",
          "right: the number of bars after a pivot that it must exceed, also the delay before it is confirmed"},
         {},
         "+1 on the bar whose close crosses above the last confirmed swing high (the previous close at or below it), "
         "−1 on the bar whose close crosses below the last confirmed swing low, 0 otherwise. A swing high is a high "
         "strictly above every other high of the left + 1 + right bars around it, confirmed right bars after it (a "
         "swing low likewise on the lows), and each level stays until a newer one replaces it; reads high, low and "
         "close."},
        {"ThreeLineBreak", {3}, {"lines: how many of the last lines a reversal close must break"}, {},
         "The direction of a line-break chart of the closes: +1 up, −1 down. The first close is the first line; a "
         "close beyond the newest line in the current direction (upward before any line) draws a line that way, and "
         "a close beyond the extreme of the last `lines` lines the other way (below the lowest while up, above the "
         "highest while down) draws a reversal line; no value until the first line is drawn."},
        {"TtmTrend", {6}, {"period: the number of bar midpoints averaged (n)"}, {},
         "+1 while the close is above the simple mean of the last n bar midpoints (high + low) / 2, −1 otherwise (a "
         "close on the mean included); n equal midpoints average to exactly that midpoint."},
    };
}
