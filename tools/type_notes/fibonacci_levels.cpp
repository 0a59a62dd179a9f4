// What the Fibonacci levels and the pitchfork compute.
//
// Every type here except AndrewsPitchfork reads the same swing pivots: alternating swing highs and
// lows, each confirmed once a later low (high) comes back 5 % from the running highest high (lowest
// low); the first swing starts upward at the first bar's high, so the first pivot is a high.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(fibonacci_levels) {
    return {
        {"AndrewsPitchfork", {5},
         {"period: the number of candles on each side a pivot's high (low) must beat"},
         {"median: the median line at the current bar",
          "upper: the median line shifted by the larger of pivots 1 and 2's distances from it",
          "lower: the median line shifted by the smaller of those distances"},
         "Pivots are centres of a window of 2 × `period` + 1 candles whose high is strictly above (or low strictly "
         "below) every other one, confirmed `period` bars later; a pivot of the same kind as the last replaces it "
         "only when more extreme. With the newest three alternating pivots (oldest first), the median line runs "
         "from pivot 0 through the midpoint of pivots 1 and 2 and is valued at the current bar; the first value "
         "waits for three pivots, well after the warm-up."},
        {"AutoFib", {},
         {},
         {"level_0: the end of the largest leg", "level_236: end + 0.236 × (start − end)",
          "level_382: end + 0.382 × (start − end)", "level_500: end + 0.5 × (start − end)",
          "level_618: end + 0.618 × (start − end)", "level_786: end + 0.786 × (start − end)",
          "level_1000: the start of the largest leg"},
         "Retracement levels of the largest leg abs(start − end) between consecutive pivots among the newest six "
         "swing pivots (5 % reversal), a later leg winning a tie. The levels change only on a bar that confirms a "
         "pivot; the first value comes with the second pivot."},
        {"FibArcs", {},
         {},
         {"arc_382: P1 + 0.382 × (P0 − P1) × f", "arc_500: P1 + 0.5 × (P0 − P1) × f",
          "arc_618: P1 + 0.618 × (P0 − P1) × f"},
         "Arcs around the newer of the two newest swing pivots (5 % reversal), P0 the older and P1 the newer: with "
         "u = (bars since P1's bar) / (bars from P0 to P1), f = sqrt(max(1 − u × u, 0)), so each arc starts at its "
         "retracement level on P1's bar and reaches P1 once u ≥ 1. Price levels that move every bar."},
        {"FibChannel", {},
         {},
         {"base: the line through pivots P0 and P2, valued at the current bar",
          "level_618: base + 0.618 × off", "level_1000: base + off", "level_1618: base + 1.618 × off"},
         "With the newest three swing pivots (5 % reversal) P0, P1, P2, oldest first, base is the line through P0 "
         "and P2 and off the distance of P1 from that line at P1's bar; the levels are parallel lines that move "
         "every bar. The first value comes with the third pivot."},
        {"FibConfluence", {},
         {},
         {"price: the mean of the levels in the strongest cluster",
          "strength: the number of levels in that cluster"},
         "Each leg between consecutive pivots among the newest six swing pivots (5 % reversal) adds its 0.382, 0.5 "
         "and 0.618 retracements; each level counts the levels within 3 % of it (of the larger magnitude), itself "
         "included, and the one with the largest count (a later one on a tie) gives the cluster. Changes only on "
         "a bar that confirms a pivot; the first value comes with the third pivot."},
        {"FibExtension", {},
         {},
         {"level_1272: P0 + 1.272 × (P1 − P0)", "level_1414: P0 + 1.414 × (P1 − P0)",
          "level_1618: P0 + 1.618 × (P1 − P0)", "level_2000: P0 + 2 × (P1 − P0)",
          "level_2618: P0 + 2.618 × (P1 − P0)"},
         "Extensions of the newest swing measured from its start: P0 the older and P1 the newer of the two newest "
         "swing pivots (5 % reversal), so the levels lie beyond P1 in the swing's direction. They change only on a "
         "bar that confirms a pivot; the first value comes with the second pivot."},
        {"FibFan", {},
         {},
         {"fan_382: P0 + 0.618 × (P1 − P0) × t", "fan_500: P0 + 0.5 × (P1 − P0) × t",
          "fan_618: P0 + 0.382 × (P1 − P0) × t"},
         "Fan lines from the older of the two newest swing pivots (5 % reversal), P0, with t = (bars since P0's "
         "bar) / (bars from P0 to P1); on P1's bar each line passes through the retracement of its name. Price "
         "levels that move every bar."},
        {"FibProjection", {},
         {},
         {"level_618: C + 0.618 × (B − A)", "level_1000: C + (B − A)", "level_1618: C + 1.618 × (B − A)",
          "level_2618: C + 2.618 × (B − A)"},
         "The swing A to B projected from C, with A, B, C the newest three swing pivots (5 % reversal), oldest "
         "first. The levels change only on a bar that confirms a pivot; the first value comes with the third "
         "pivot."},
        {"FibRetracement", {},
         {},
         {"level_0: P1, the newest pivot", "level_236: P1 + 0.236 × (P0 − P1)", "level_382: P1 + 0.382 × (P0 − P1)",
          "level_500: P1 + 0.5 × (P0 − P1)", "level_618: P1 + 0.618 × (P0 − P1)",
          "level_786: P1 + 0.786 × (P0 − P1)", "level_1000: P0, the pivot before it"},
         "Retracements of the newest swing between the two newest swing pivots (5 % reversal), measured back from "
         "the newer one. The levels change only on a bar that confirms a pivot; the first value comes with the "
         "second pivot."},
        {"FibTimeZones", {},
         {},
         {"on_zone: 1 when the bars since the newest pivot's bar are a Fibonacci number, else 0",
          "bars_to_next: the bars left until the next Fibonacci number"},
         "Counts the bars since the bar of the newest swing pivot's extreme (5 % reversal), not since its "
         "confirmation, against the Fibonacci numbers 1, 2, 3, 5, 8, 13, ...; one pivot is enough, so values start "
         "on the bar that confirms the first one."},
        {"GoldenPocket", {},
         {},
         {"low: the lower of the 0.618 and 0.65 retracements", "mid: their midpoint",
          "high: the higher of the two"},
         "The band between the 0.618 and 0.65 retracements P1 + r × (P0 − P1) of the newest swing, P0 the older "
         "and P1 the newer of the two newest swing pivots (5 % reversal). Changes only on a bar that confirms a "
         "pivot; the first value comes with the second pivot."},
    };
}
