// What the pivot levels compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(pivot_levels) {
    return {
        {"Camarilla", {},
         {},
         {"pp: ((high + low) + close) / 3", "r1: close + 1.1 × range / 12", "r2: close + 1.1 × range / 6",
          "r3: close + 1.1 × range / 4", "r4: close + 1.1 × range / 2", "s1: close − 1.1 × range / 12",
          "s2: close − 1.1 × range / 6", "s3: close − 1.1 × range / 4", "s4: close − 1.1 × range / 2"},
         "Levels from the bar's own high, low and close (range = high − low), not from a previous bar, day or "
         "session: the levels of one bar are those to trade the next bar against, so a rule reads them with "
         "`prev` 1 (on intraday bars they are not the previous day's levels). A bar with high = low gives that "
         "price for every level."},
        {"CentralPivotRange", {},
         {},
         {"pivot: (high + low + close) / 3",
          "tc: the larger of (high + low) / 2 and 2 × pivot − (high + low) / 2",
          "bc: the smaller of the two"},
         "The pivot, the midpoint of high and low and its reflection about the pivot, from the bar's own candle "
         "(not a previous bar, day or session): the levels are meant for the next bar (read them with `prev` 1). "
         "A bar with high = low gives that price three times."},
        {"ClassicPivots", {},
         {},
         {"pp: (close + (low + high)) / 3", "r1: 2 × pp − low", "r2: pp + (high − low)", "r3: high + 2 × (pp − low)",
          "s1: 2 × pp − high", "s2: pp − (high − low)", "s3: low − 2 × (high − pp)"},
         "Floor pivots from the bar's own high, low and close, not from a previous bar, day or session: the levels "
         "of one bar are those to trade the next bar against, so a rule reads them with `prev` 1 (on intraday bars "
         "they are not the previous day's levels). A bar with high = low gives that price for every level."},
        {"DemarkPivots", {},
         {},
         {"pp: X / 4", "r1: X / 2 − low", "s1: X / 2 − high"},
         "X is (high + 2 × low) + close on a bar that closed below its open, (2 × high + low) + close on one that "
         "closed above it and (high + low) + 2 × close when close = open, all from the bar's own candle (not a "
         "previous bar, day or session): the levels are meant for the next bar (read them with `prev` 1). A bar "
         "with high = low gives that price three times."},
        {"FibonacciPivots", {},
         {},
         {"pp: (close + (low + high)) / 3", "r1: pp + 0.382 × (high − low)", "r2: pp + 0.618 × (high − low)",
          "r3: pp + (high − low)", "s1: pp − 0.382 × (high − low)", "s2: pp − 0.618 × (high − low)",
          "s3: pp − (high − low)"},
         "The classic pivot with levels at 0.382, 0.618 and 1 times the bar's range either side, from the bar's "
         "own candle (not a previous bar, day or session): the levels are meant for the next bar (read them with "
         "`prev` 1). A bar with high = low gives that price for every level."},
        {"MurreyMathLines", {64},
         {"period: the number of candles whose range is divided, the current one included"},
         {"mm8_8: the highest high of the window", "mm7_8: lowest low + 7/8 of the range",
          "mm6_8: lowest low + 6/8 of the range", "mm5_8: lowest low + 5/8 of the range",
          "mm4_8: lowest low + 4/8 of the range (the midpoint)", "mm3_8: lowest low + 3/8 of the range",
          "mm2_8: lowest low + 2/8 of the range", "mm1_8: lowest low + 1/8 of the range",
          "mm0_8: the lowest low of the window"},
         "The range of the last `period` candles (highest high − lowest low, the current candle included) cut into "
         "eighths, from the top line down; the lines are not snapped to a Murrey octave of powers of two. Price "
         "levels."},
        {"WoodiePivots", {},
         {},
         {"pp: ((low + high) + 2 × close) / 4", "r1: 2 × pp − low", "r2: pp + (high − low)", "s1: 2 × pp − high",
          "s2: pp − (high − low)"},
         "Floor pivots with the close weighted twice, from the bar's own candle (not a previous bar, day or "
         "session, and not the next open): the levels are meant for the next bar (read them with `prev` 1). A bar "
         "with high = low gives that price for every level."},
    };
}
