// What the chart patterns compute. Each reads swing pivots of the valid candles' highs and lows
// (a 5 % reversal), so its first value waits for enough pivots, not for a count of bars.
// "Within 3 %" is abs(a − b) ≤ 0.03 × max(abs(a), abs(b)) throughout.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(chart_patterns) {
    return {
        {"CupAndHandle", {}, {}, {},
         "On the four newest swing pivots, oldest first A (left rim), B (bottom), C (right rim), D "
         "(handle), with A and C within 3 %: +1 when D is a swing low strictly between B and C, −1 "
         "(inverted cup) when D is a swing high strictly between C and B; else 0. Pivots as in [swing "
         "pivots](#swing-pivots). No value until four pivots are held; then 0 on every bar but one that "
         "confirms a pivot (the pivot itself lies earlier)."},
        {"DoubleTopBottom", {}, {}, {},
         "When the newest swing pivot is within 3 % of the one two before it (the previous pivot of its "
         "kind): −1 (double top) if it is a swing high, +1 (double bottom) if a swing low; else 0. Pivots "
         "as in [swing pivots](#swing-pivots). No value until three pivots are held; then 0 on every bar "
         "but one that confirms a pivot (the pivot itself lies earlier)."},
        {"FlagPennant", {}, {}, {},
         "On the three newest swing pivots A, B, C (oldest first), the pole A to B and the flag B to C: "
         "when the pole is not zero and the flag gives back strictly less than half of it (abs(C − B) < "
         "0.5 × abs(B − A)), +1 if B is a swing high (a rising pole) and −1 if a swing low; else 0. Pivots"
         " as in [swing pivots](#swing-pivots). No value until three pivots are held; then 0 on every bar "
         "but one that confirms a pivot (the pivot itself lies earlier)."},
        {"HeadAndShoulders", {}, {}, {},
         "On the five newest swing pivots, oldest first: the shoulders (first and fifth) within 3 %, the "
         "neckline points (second and fourth) within 3 %, and the head (third) strictly beyond both "
         "shoulders: −1 (top) when the fifth is a swing high and the head above, +1 (inverse) when it is a"
         " swing low and the head below; else 0. Pivots as in [swing pivots](#swing-pivots). No value "
         "until five pivots are held; then 0 on every bar but one that confirms a pivot (the pivot itself "
         "lies earlier)."},
        {"RectangleRange", {}, {}, {},
         "When the two latest swing highs are within 3 % and the two latest swing lows are within 3 %: −1 "
         "if the newest pivot is a swing high, +1 if a swing low; else 0. Pivots as in [swing "
         "pivots](#swing-pivots). No value until four pivots are held; then 0 on every bar but one that "
         "confirms a pivot (the pivot itself lies earlier)."},
        {"Triangle", {}, {}, {},
         "On the two latest swing highs (H0 then H1) and lows (L0 then L1): +1 (ascending) when the highs "
         "are within 3 % and L1 > 1.03 × L0; −1 (descending) when H1 < 0.97 × H0 and the lows are within 3"
         " %; when H1 < 0.97 × H0 and L1 > 1.03 × L0 (symmetrical), −1 if the newest pivot is a swing high"
         " and +1 if a swing low; else 0. Pivots come from the highs and lows with a 5 % reversal (the "
         "first swing runs up from the first high; a swing high is confirmed on a bar that sets no new "
         "high and whose low is at most 0.95 × the highest high, a swing low on a bar that sets no new low"
         " and whose high is at least 1.05 × the lowest low); no value until four pivots are held, which "
         "can come long after the warm-up, then 0 on every bar but one that confirms a pivot, which gives "
         "the signal."},
        {"TripleTopBottom", {}, {}, {},
         "When the newest swing pivot and the two earlier pivots of its kind (the third and fifth newest) "
         "are each within 3 % of the next (fifth to third, third to newest): −1 (triple top) on a swing "
         "high, +1 (triple bottom) on a swing low; else 0. Pivots as in [swing pivots](#swing-pivots). No "
         "value until five pivots are held; then 0 on every bar but one that confirms a pivot (the pivot "
         "itself lies earlier)."},
        {"Wedge", {}, {}, {},
         "On the moves of the two latest swing highs (dh = latest − previous) and lows (dl likewise): −1 "
         "(rising wedge) when both are positive and the lows rise faster (dl > dh), +1 (falling wedge) "
         "when both are negative and the lows fall slower (dl > dh); else 0. Pivots as in [swing "
         "pivots](#swing-pivots). No value until four pivots are held; then 0 on every bar but one that "
         "confirms a pivot (the pivot itself lies earlier)."},
    };
}
