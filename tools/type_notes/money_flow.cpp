// What the money flow types compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(money_flow) {
    return {
        {"ChaikinMoneyFlow", {20}, {"period: the number of candles in the window (n)"}, {},
         "The sum of the money-flow volume over the sum of the volume of the last n candles, −1..1; money-flow "
         "volume = volume × ((close − low) − (high − close)) / (high − low), 0 on a candle without range. Exactly 0 "
         "for a window without flow or without volume."},
        {"ChaikinOscillator", {3, 10},
         {"fast: the short EMA length, in candles", "slow: the long EMA length, in candles (above fast)"},
         {},
         "The fast EMA minus the slow EMA of the accumulation/distribution line (the running total of money-flow "
         "volume from the first candle, as `Adl`), in volume units. Each EMA has alpha = 2/(n + 1) and is seeded "
         "with the mean of its first n line values (n its length), both starting on the first candle; exactly 0 while the line has "
         "not moved."},
        {"EaseOfMovement", {14}, {"period: the number of candles averaged (n)"}, {},
         "Ease of movement: the simple mean over the last n candles of 1e8 × (high − low) × (midpoint − previous "
         "midpoint) / volume, midpoint = (high + low) / 2; a candle without volume counts 0, and a window of zero "
         "movements gives exactly 0."},
        {"ForceIndex", {13}, {"period: the EMA length n, in candles"}, {},
         "The exponential average of the force volume × (close − previous close), from the second candle on; alpha "
         "= 2/(n + 1), seeded with the mean of the first n forces. In volume × price units."},
        {"Kvo", {34, 55},
         {"fast: the short EMA length, in candles", "slow: the long EMA length, in candles (above fast)"},
         {},
         "The Klinger volume oscillator (no signal line): fast EMA − slow EMA of the volume force volume × abs(2 × "
         "(dm / cm − 1)) × trend × 100, dm = high − low, trend +1 or −1 as high + low + close rises or falls against "
         "the bar before (kept when unchanged, 0 before the first change), cm the sum of dm while the trend holds "
         "(restarting at the previous dm + dm when it turns), and a force of 0 where cm is 0. Each EMA has alpha = 2/(n "
         "+ 1), n its length, and is seeded with the mean of its first n forces."},
        {"Mfi", {14}, {"period: the number of candles in the window (n)"}, {},
         "The money flow index, 0..100: the typical price ((high + low) + close) / 3 times the volume, counted as "
         "rising or falling flow as the typical price rose or fell against the candle before (neither when "
         "unchanged), summed over the last n candles: 100 − 100 / (1 + rising / falling). 50 when neither side has "
         "flow, 100 with rising flow only."},
        {"TwiggsMoneyFlow", {21}, {"period: the Wilder smoothing length n, in candles"}, {},
         "Twiggs money flow, −1..1: the smoothed accumulation over the smoothed volume, accumulation = volume × ((2 × "
         "close − true high) − true low) / (true high − true low), the true high and low reaching to the previous "
         "close (0 for a bar without range). Both are Wilder averages from the second candle on, seeded with the "
         "mean of their first n values and then A + (x − A) / n; 0 while the smoothed volume is 0."},
    };
}
