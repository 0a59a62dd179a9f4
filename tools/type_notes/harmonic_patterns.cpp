// What the harmonic patterns compute. Each reads swing pivots of the valid candles' highs and
// lows (a 5 % reversal), so its first value waits for enough pivots, not for a count of bars.
// A ratio such as AB/XA is abs(B − A) / abs(A − X); every window includes its bounds.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(harmonic_patterns) {
    return {
        {"Abcd", {}, {}, {},
         "On the four newest swing pivots A, B, C, D (oldest first): BC/AB in [0.382, 0.886], CD/BC in "
         "[1.13, 2.618], and the legs AB and CD alike (their lengths differ by at most 0.1 × the longer): "
         "+1 when D is a swing low, −1 when a swing high; else 0, also for a zero leg under a ratio. "
         "Pivots as in [swing pivots](#swing-pivots). No value until four pivots are held; then 0 on every"
         " bar but one that confirms a pivot (the pivot itself lies earlier)."},
        {"Bat", {}, {}, {},
         "On the five newest swing pivots X, A, B, C, D (oldest first): AB/XA in [0.382, 0.5], BC/AB in "
         "[0.382, 0.886], CD/BC in [1.618, 2.618] and AD/XA in [0.84, 0.93]: +1 when D is a swing low, −1 "
         "when a swing high; else 0. Pivots as in [swing pivots](#swing-pivots). No value until five "
         "pivots are held; then 0 on every bar but one that confirms a pivot (the pivot itself lies "
         "earlier)."},
        {"Butterfly", {}, {}, {},
         "On the five newest swing pivots X, A, B, C, D (oldest first): AB/XA in [0.74, 0.84], BC/AB in "
         "[0.382, 0.886], CD/BC in [1.618, 2.618] and AD/XA in [1.27, 1.618]: +1 when D is a swing low, −1"
         " when a swing high; else 0. Pivots as in [swing pivots](#swing-pivots). No value until five "
         "pivots are held; then 0 on every bar but one that confirms a pivot (the pivot itself lies "
         "earlier)."},
        {"Crab", {}, {}, {},
         "On the five newest swing pivots X, A, B, C, D (oldest first): AB/XA in [0.382, 0.618], BC/AB in "
         "[0.382, 0.886], CD/BC in [2.24, 3.618] and AD/XA in [1.55, 1.65]: +1 when D is a swing low, −1 "
         "when a swing high; else 0. Pivots as in [swing pivots](#swing-pivots). No value until five "
         "pivots are held; then 0 on every bar but one that confirms a pivot (the pivot itself lies "
         "earlier)."},
        {"Cypher", {}, {}, {},
         "On the five newest swing pivots X, A, B, C, D (oldest first): AB/XA in [0.382, 0.618], XC/XA "
         "(abs(C − X) / abs(A − X)) in [1.272, 1.414] and CD/XC in [0.74, 0.83], with BC/AB not read: +1 "
         "when D is a swing low, −1 when a swing high; else 0. Pivots as in [swing pivots](#swing-pivots)."
         " No value until five pivots are held; then 0 on every bar but one that confirms a pivot (the "
         "pivot itself lies earlier)."},
        {"Gartley", {}, {}, {},
         "On the five newest swing pivots X, A, B, C, D (oldest first): AB/XA in [0.55, 0.7], BC/AB in "
         "[0.382, 0.886], CD/BC in [1.13, 1.618] and AD/XA in [0.74, 0.84]: +1 when D is a swing low, −1 "
         "when a swing high; else 0. Pivots as in [swing pivots](#swing-pivots). No value until five "
         "pivots are held; then 0 on every bar but one that confirms a pivot (the pivot itself lies "
         "earlier)."},
        {"Shark", {}, {}, {},
         "On the five newest swing pivots X, A, B, C, D (oldest first): AB/XA in [1.13, 1.618], BC/AB in "
         "[1.618, 2.24], CD/BC in [0.382, 0.886] and AD/XA in [0.886, 1.13]: +1 when D is a swing low, −1 "
         "when a swing high; else 0. Pivots as in [swing pivots](#swing-pivots). No value until five "
         "pivots are held; then 0 on every bar but one that confirms a pivot (the pivot itself lies "
         "earlier)."},
        {"ThreeDrives", {}, {}, {},
         "On the seven newest swing pivots Q0 to Q6 (oldest first), corrections Q0Q1, Q2Q3, Q4Q5 and "
         "drives Q1Q2, Q3Q4, Q5Q6: each drive 1.13 to 1.75 times the correction before it, the drives "
         "alike within 0.2 and the corrections within 0.3 of the longer of each neighbouring pair: +1 when"
         " Q6 is a swing low, −1 when a swing high; else 0. Pivots as in [swing pivots](#swing-pivots). No"
         " value until seven pivots are held, which depends on the prices and can come long after the "
         "warm-up; then 0 on every bar but one that confirms a pivot, which gives the signal though Q6 "
         "itself lies earlier."},
    };
}
