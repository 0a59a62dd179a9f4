// What the moving-average oscillators compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(ma_oscillators) {
    return {
        {"Apo", {12, 26}, {"fast: the fast EMA length", "slow: the slow EMA length, more than fast"}, {},
         "The absolute price oscillator: EMA(fast) − EMA(slow) of the close, in price units; each EMA is seeded with "
         "the mean of its first n closes, both from the first bar. Exactly 0 while every close so far is equal."},
        {"ElderImpulse", {13, 12, 26, 9},
         {"trend: the length of the trend EMA", "fast: the fast EMA length of the MACD",
          "slow: the slow EMA length of the MACD, more than fast", "signal: the signal EMA length of the MACD"},
         {},
         "+1 when both the EMA(trend) of the close and the MACD histogram (fast, slow, signal) rose since the "
         "previous bar, −1 when both fell, 0 otherwise. Every EMA is seeded with the mean of its first n inputs."},
        {"MacdHistogram", {12, 26, 9},
         {"fast: the fast EMA length", "slow: the slow EMA length, more than fast",
          "signal: the EMA length of the signal line"},
         {},
         "The MACD line EMA(fast) − EMA(slow) of the close minus its signal line, the EMA(signal) of the MACD line. "
         "Every EMA is seeded with the mean of its first n inputs (the signal with the mean of the first `signal` "
         "MACD values). In price units."},
        {"Ppo", {12, 26}, {"fast: the fast EMA length", "slow: the slow EMA length, more than fast"}, {},
         "The percentage price oscillator: 100 × (EMA(fast) − EMA(slow)) / EMA(slow) of the close, in percent; each "
         "EMA is seeded with the mean of its first n closes. 0 when the slow EMA is 0."},
        {"PpoHistogram", {12, 26, 9},
         {"fast: the fast EMA length", "slow: the slow EMA length, more than fast",
          "signal: the EMA length of the signal line"},
         {},
         "The PPO, 100 × (EMA(fast) − EMA(slow)) / EMA(slow) of the close, minus its EMA(signal), each EMA seeded "
         "with the mean of its first n inputs. In percentage points."},
        {"Stc", {23, 50, 10, 0.5},
         {"fast: the fast EMA length of the MACD", "slow: the slow EMA length of the MACD, more than fast",
          "cycle: the window of both stochastics", "factor: the smoothing factor in (0, 1] of both stochastic lines"},
         {},
         "The Schaff trend cycle: the MACD line EMA(fast) − EMA(slow) of the close (EMAs seeded with the mean) placed "
         "in its range over the last `cycle` values, 100 × (m − lowest) / (highest − lowest), smoothed as p + factor "
         "× (new − p) from its first value; that line placed again in its own range over `cycle` values and smoothed "
         "the same way. 0 to 100; a flat window places at 0."},
        {"Trix", {15}, {"period: the length of each of the three EMAs"}, {},
         "100 × (E3 − previous E3) / previous E3, E3 the EMA of the EMA of the EMA of the close, each of period "
         "`period` and seeded with the mean of its first `period` inputs: the one-bar rate of change of the triple "
         "EMA in percent. 0 when the previous E3 is 0."},
        {"Tsi", {25, 13},
         {"long_period: the length of the first (long) EMA", "short_period: the length of the second (short) EMA"},
         {},
         "The true strength index: 100 × EMA_short(EMA_long(m)) / EMA_short(EMA_long(abs(m))), m the one-bar change "
         "of the close, each EMA seeded with the mean of its first n inputs. −100 to 100; 0 when the smoothed "
         "magnitude is 0. No signal line."},
    };
}
