// What the DeMark bar pieces compute: the current candle against the one or two valid candles
// before it, as +1, −1 or 0.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(demark_bar_pieces) {
    return {
        {"TdCamouflage", {}, {}, {},
         "+1 when the bar is up (close > open) yet closes strictly below the previous close with a low "
         "strictly below the previous low; −1 when the bar is down (close < open) yet closes strictly above "
         "the previous close with a high strictly above the previous high; else 0."},
        {"TdClop", {}, {}, {},
         "+1 when the bar opens strictly below both the previous open and the previous close and closes "
         "strictly above both; −1 when it opens strictly above both and closes strictly below both; else 0."},
        {"TdClopwin", {}, {}, {},
         "When the bar's open and close both lie within the previous body (between the previous open and "
         "close, ends included): +1 when it closes at or above its open (so a doji inside gives +1), −1 when "
         "below; else 0."},
        {"TdDifferential", {}, {}, {},
         "Buying pressure is close − min(low, previous close) and selling pressure max(high, previous close) "
         "− close, each compared with the previous bar's own (measured against the close before it), over "
         "three valid candles: +1 on two strictly lower closes in a row while buying pressure strictly rises "
         "and selling pressure strictly falls; −1 on two strictly higher closes while buying pressure strictly "
         "falls and selling pressure strictly rises; else 0."},
        {"TdOpen", {}, {}, {},
         "+1 when the bar opens strictly below the previous low and its high trades strictly above that low; "
         "−1 when it opens strictly above the previous high and its low trades strictly below that high; else "
         "0."},
        {"TdPropulsion", {}, {}, {},
         "+1 when the bar opens at or above the previous close and closes strictly above the previous high; "
         "−1 when it opens at or below the previous close and closes strictly below the previous low; else 0."},
        {"TdTrap", {}, {}, {},
         "Over three valid candles, after an inside bar (its high strictly below and its low strictly above "
         "those of the bar before it): +1 when the current close is strictly above the inside bar's high, −1 "
         "when strictly below its low; else 0. The open is not read."},
    };
}
