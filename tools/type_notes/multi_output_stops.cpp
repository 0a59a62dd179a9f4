// What the trailing stops with a line and a direction compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(multi_output_stops) {
    return {
        {"AtrRatchet", {14, 3, 0.05},
         {"n: the number of true ranges in the average true range",
          "a: the starting distance of the stop from the close, in ATRs",
          "s: how far the stop moves toward the price on every later bar, in ATRs"},
         {"value: the stop price", "direction: +1 while long (stop below), −1 while short (stop above)"},
         "The first stop lies `a` Wilder ATRs below the close (long); on every later bar it moves `s` ATRs toward "
         "the price whether or not the price moved, and a close beyond it flips the side and restarts the stop `a` "
         "ATRs on the other side of that close. The ATR is seeded with the mean of the first `n` true ranges (the "
         "first being high − low)."},
        {"ChandeKrollStop", {10, 1, 9},
         {"p: the number of candles of the first stops' extremes and of their ATR",
          "x: the first stops' distance inside the extremes, in ATRs",
          "q: the number of first stops the final stops take their extreme over"},
         {"stop_long: the lowest of the last `q` values of (lowest low of `p` + x × ATR)",
          "stop_short: the highest of the last `q` values of (highest high of `p` − x × ATR)"},
         "First stops `x` Wilder ATRs of `p` bars inside the extremes of the last `p` candles (current candle "
         "included), then the extreme of the last `q` of them: the long stop the lowest first low stop, the short "
         "stop the highest first high stop. Price levels; no direction is kept."},
        {"ChandelierExit", {22, 3},
         {"n: the number of candles of the extremes and of the ATR", "k: the distance from the extreme in ATRs"},
         {"long_stop: the highest high of the last `n` candles − k × ATR",
          "short_stop: the lowest low of the last `n` candles + k × ATR"},
         "Stops hung `k` Wilder ATRs from the extremes of the last `n` candles, the current candle included; the "
         "ATR is seeded with the mean of the first `n` true ranges (the first being high − low). Both stops on "
         "every bar; no direction is kept."},
        {"DonchianStop", {20},
         {"n: the number of candles in the window, the current one included"},
         {"stop_long: the lowest low of the last `n` candles", "stop_short: the highest high of the last `n` candles"},
         "The Donchian channel read as stops: the lowest low of the last `n` candles for a long position and the "
         "highest high for a short one, the current candle included. Price levels."},
        {"ElderSafeZone", {10, 2},
         {"n: the number of bars whose penetrations are averaged",
          "k: the stop distance in average penetrations"},
         {"value: the stop line", "direction: +1 long (line below), −1 short (line above)"},
         "A penetration is how far a bar's low fell below the previous low (long side) or its high rose above the "
         "previous high (short side); each side averages only its non-zero penetrations of the last `n` bars (0 "
         "when there are none). The long candidate is low − k × that average and the short candidate high + k × "
         "its own; the line starts long, only rises while long and only falls while short, and a close beyond it "
         "flips to the other side's candidate of that bar."},
        {"KaseDevStop", {30, 2.2},
         {"n: the number of two-bar ranges in the window (at least 2)",
          "k: the number of standard deviations added to the mean range"},
         {"value: the stop line", "direction: +1 long (line below), −1 short (line above)"},
         "The two-bar range is max(high, previous high) − min(low, previous low); the distance is the mean of the "
         "last `n` of them plus `k` sample standard deviations (divided by `n` − 1; exactly 0 for equal ranges). "
         "The line starts long; while long it is the highest high since the trend began less the distance, never "
         "falling, while short the lowest low plus the distance, never rising, and a close beyond it flips the "
         "side."},
        {"ModifiedMaStop", {20},
         {"n: the period of the smoothed (Wilder) average of the close"},
         {"value: the stop line", "direction: +1 while the close holds above the line, −1 below"},
         "The line trails Wilder's smoothed average of the close (seeded with the mean of the first `n` closes, "
         "then (average × (n − 1) + close) / n): it rises only while the close holds at or above it and falls only "
         "while it holds at or below, and jumps to the average when the close crosses it. The first value takes "
         "the close's side of the average."},
        {"Nrtr", {2},
         {"percentage: the line's distance from the extreme close, in percent (between 0 and 100)"},
         {"value: the trailing line", "direction: +1 in an up trend (line below), −1 in a down trend (line above)"},
         "Closes only: in an up trend the line is `percentage` % below the highest close since the trend began, in "
         "a down trend that much above the lowest close; a close beyond the line flips the trend and restarts the "
         "extreme at that close. The first bar starts an up trend."},
        {"SuperTrend", {10, 3},
         {"n: the number of true ranges in the average true range", "m: the band distance in ATRs"},
         {"value: the lower band while the trend is up, the upper band while it is down",
          "direction: +1 up, −1 down"},
         "Bands `m` Wilder ATRs either side of the candle's midpoint (high + low) / 2; the upper band only falls and "
         "the lower only rises unless the previous close was beyond it. The trend stays up while the close holds "
         "at or above the lower band and down while it holds at or below the upper band; the first value is up."},
        {"YoyoExit", {14, 2},
         {"n: the number of true ranges in the average true range", "k: the line's distance below the close in ATRs"},
         {},
         "A long-only exit line `k` Wilder ATRs below the close that only rises while armed; a close below it fires "
         "the exit and the line then stays where it was until a close more than `k` ATRs above it re-arms it `k` "
         "ATRs below that close. The value is the line (a price level); whether it is armed is not published."},
        {"ZigZag", {0.05},
         {"threshold: the reversal that confirms a swing, as a fraction of the swing price (0.05 is 5 %)"},
         {"swing: the price of the swing just confirmed", "direction: +1 for a swing high, −1 for a swing low"},
         "Values come only on the bars that confirm a swing: an up leg's highest high once a later low reaches "
         "`threshold` below it, a down leg's lowest low once a later high reaches `threshold` above it; a bar that "
         "extends the leg is not tested. The first leg starts upward at the first candle's high."},
    };
}
