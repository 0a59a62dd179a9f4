// What the trade-print types compute from the bar's prints, taken in order. Prints whose price is
// not finite and positive or whose size is not finite and non-negative are left out first; a
// print on the sell side signs −1, every other print +1. The bar's value is the one after its
// last print.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(trade_prints) {
    return {
        {"AmihudIlliquidity", {100},
         {"period: the number of prints averaged"},
         {},
         "The mean of abs(ln(price / previous price)) / (price × size) over the last `period` prints of non-zero "
         "size (the first only primes the previous price): the price impact per unit of traded value. The window "
         "counts prints across bars, so the first value can come before or after the warm-up in bars; a print of "
         "size 0 repeats the last value, and a bar without prints gives none."},
        {"CumulativeVolumeDelta", {},
         {},
         {},
         "The running sum of signed print sizes (buys +, sells −) over the whole run, never reset; a bar without "
         "prints gives no value."},
        {"Pin", {100},
         {"period: the number of prints in the window"},
         {},
         "abs(buys − sells) / `period` over the last `period` prints, counting prints rather than their sizes: an "
         "order-flow imbalance from 0 (balanced) to 1 (one-sided), not a fitted PIN model. The window counts "
         "prints across bars, so the first value can come before or after the warm-up in bars."},
        {"RollMeasure", {100},
         {"period: the number of price changes in the window (at least 3)"},
         {},
         "Roll's spread estimate 2 × √(−cov) in price units, cov the first-order autocovariance of the last "
         "`period` changes between consecutive print prices (deviations from their mean, summed over adjacent "
         "pairs and divided by `period` − 1); 0 when cov is not negative. The changes run across bars, so the "
         "first value can come before or after the warm-up in bars; a bar without prints gives none."},
        {"SignedVolume", {},
         {},
         {},
         "The size of the bar's last print, positive for a buy and negative for a sell; no value for a bar without "
         "prints."},
        {"TradeImbalance", {100},
         {"period: the number of prints in the window"},
         {},
         "(B − S) / (B + S) over the last `period` prints, B and S their buy and sell sizes: −1 to 1, exactly 1 or "
         "−1 when only one side holds non-zero sizes, 0 when every size is 0. The window counts prints across "
         "bars, so the first value can come before or after the warm-up in bars."},
        {"TradeSignAutocorrelation", {100},
         {"period: the number of prints in the window (at least 2)"},
         {},
         "The mean product of consecutive trade signs (+1 buy, −1 sell) over the last `period` prints, the sum of "
         "the `period` − 1 products divided by `period` − 1, with no mean removed: −1 (alternating) to 1 "
         "(persistent). The window counts prints across bars, so the first value can come before or after the "
         "warm-up in bars."},
        {"Vpin", {1000, 50},
         {"bucket_volume: the volume that fills one bucket, in the unit of the print sizes (above 0)",
          "buckets: the number of completed buckets averaged"},
         {},
         "The volume-synchronised probability of informed trading: prints fill buckets of `bucket_volume` in order, "
         "split across bucket boundaries, and the value is Σ abs(buy − sell) over the last `buckets` completed "
         "buckets / (`bucket_volume` × `buckets`), 0 to 1. The first value comes only once `buckets` buckets are "
         "complete, whatever the warm-up says; a bar without prints gives none."},
    };
}
