// What the oscillators of the median price and of the candle body compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(median_price_oscillators) {
    return {
        {"AcceleratorOscillator", {5, 34, 5},
         {"fast: the short window of the median price, in candles",
          "slow: the long window of the median price, in candles (above fast)",
          "signal: the number of oscillator values in its simple mean"},
         {},
         "The awesome oscillator minus its simple mean over the last `signal` values, a price distance; exactly 0 "
         "while the oscillator holds one value over the signal window. The awesome oscillator is the simple mean of "
         "the median price (high + low) / 2 over `fast` candles minus the one over `slow` candles, as "
         "`AwesomeOscillator`."},
        {"AwesomeOscillator", {5, 34},
         {"fast: the short window of the median price, in candles",
          "slow: the long window of the median price, in candles (above fast)"},
         {},
         "The simple mean of the median price (high + low) / 2 over the last `fast` candles minus the one over the "
         "last `slow` candles, a price distance; a flat market gives exactly 0."},
        {"AwesomeOscillatorHistogram", {5, 34, 1},
         {"fast: the short window of the median price, in candles",
          "slow: the long window of the median price, in candles (above fast)",
          "lag: how many oscillator values back the change is taken (1 bar to bar)"},
         {},
         "The change of the awesome oscillator over `lag` values: AO now − AO `lag` values earlier, a price distance "
         "(with lag 1 its sign is the usual rising or falling bar of the oscillator's histogram). The oscillator is "
         "`AwesomeOscillator` with the same fast and slow windows."},
        {"IntradayMomentumIndex", {14}, {"period: the number of candles in the window (n)"}, {},
         "The share of the rising bodies in the total body size of the last n candles, 100 × the sum of close − open "
         "over rising candles / the sum of abs(close − open), 0..100; reads open and close. 50 when every body is "
         "empty, exactly 100 with rises only and 0 with falls only."},
        {"Qstick", {8}, {"period: the number of candle bodies averaged (n)"}, {},
         "The simple mean of the body close − open over the last n candles, a price distance, positive while closes "
         "lead opens; n equal bodies average to exactly that body."},
    };
}
