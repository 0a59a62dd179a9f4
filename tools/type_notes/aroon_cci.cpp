// What the Aroon and commodity channel types compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(aroon_cci) {
    return {
        {"AdaptiveCci", {20}, {"period: the number of typical prices in the window (n), at least 2"}, {},
         "A commodity channel index about an adaptive mean of the typical price tp = ((high + low) + close) / 3: "
         "(tp − mean) / (0.015 × the mean absolute deviation of the last n typical prices about that mean), 0 when "
         "the deviation is 0; unbounded, ±100 the usual bands. The mean is seeded with the plain mean of the first "
         "n typical prices, then moves by alpha × (tp − mean), alpha = (ER × (2/3 − 2/31) + 2/31)², ER = abs(tp − "
         "the window's oldest tp) / the sum of the window's absolute changes (alpha = (2/31)² when the window has "
         "no change)."},
        {"AroonOscillator", {25}, {"period: the look-back n; the window holds n + 1 candles"}, {},
         "Aroon up − Aroon down over the last n + 1 candles, −100..100: Aroon up = 100 × (n − bars since the "
         "highest high) / n, Aroon down the same with the lowest low, the newest of equal extremes counting. Reads "
         "high and low."},
        {"Cci", {20}, {"period: the number of typical prices in the window (n)"}, {},
         "The commodity channel index: (tp − the simple mean of the last n typical prices) / (0.015 × their mean "
         "absolute deviation about that mean), tp = ((high + low) + close) / 3; unbounded, ±100 the usual bands. 0 "
         "when the deviation is 0, exactly 0 for a window of equal typical prices."},
        {"StochasticCci", {14}, {"period: the window (n) of the CCI and of the stochastic over it"}, {},
         "Where the newest `Cci` value (of the same period) stands between the lowest and highest of the last n CCI "
         "values, 100 × (CCI − lowest) / (highest − lowest), 0..100; 50 on a window of equal values."},
    };
}
