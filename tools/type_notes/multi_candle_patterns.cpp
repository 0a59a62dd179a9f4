// What the patterns of four and five candles compute.
// Words used throughout: the candles are the last four or five valid ones, oldest first, the last
// the current; range = high − low; body = abs(close − open); white: close > open, black: close <
// open; body top = max(open, close), body bottom = min(open, close).
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(multi_candle_patterns) {
    return {
        {"Breakaway", {}, {}, {},
         "Reads five candles: +1 when the first two are black with the second opening strictly below the "
         "first close, the third and fourth each make a strictly lower high and lower low than the candle "
         "before, the fourth is black, and the fifth is white and closes strictly between the second open "
         "and the first close; −1 for the mirror (two white candles, the second opening strictly above the "
         "first close, strictly higher highs and lows, a white fourth, a black fifth closing strictly between "
         "the first close and the second open); else 0. The third candle's colour is not read."},
        {"ConcealingBabySwallow", {}, {}, {},
         "Reads four candles: +1 when the first two are black with a range and both shadows at most 0.05 × "
         "it, the third is black, opens strictly below the second close and has a high strictly above it, "
         "and the fourth is black, opens strictly above the third high and closes strictly below the third "
         "low; else 0. It never gives −1."},
        {"FallingThreeMethods", {}, {}, {},
         "Reads five candles: −1 when the first is black with a body of at least half its range; the second "
         "to fourth are white with bodies of at most half the first body, strictly rising closes, and each "
         "body overlapping the first range (body top strictly above the first low, body bottom strictly below "
         "the first high); and the fifth is black with a body of at least half its range, opening strictly "
         "below the fourth close and closing strictly below the first close; else 0. It never gives +1."},
        {"LadderBottom", {}, {}, {},
         "Reads five candles: +1 when the first three are black with strictly falling opens and closes, the "
         "fourth is black with an upper shadow (high strictly above its open), and the fifth is white, opens "
         "strictly above the fourth open and closes strictly above the fourth high; else 0. It never gives −1."},
        {"MatHold", {}, {}, {},
         "Reads five candles: +1 when the first is white with a body of at least half its range; the second "
         "to fourth bodies, of either colour, are at most half the first body; the second body's bottom is "
         "strictly above the first close; the lows of the second to fourth stay strictly above first close − "
         "0.5 × the first body; and the fifth is white and closes strictly above every high of the first "
         "four; else 0. It never gives −1."},
        {"RisingThreeMethods", {}, {}, {},
         "Reads five candles: +1 when the first is white with a body of at least half its range; the second "
         "to fourth are black with bodies of at most half the first body, strictly falling closes, and each "
         "body overlapping the first range (body top strictly above the first low, body bottom strictly below "
         "the first high); and the fifth is white with a body of at least half its range, opening strictly "
         "above the fourth close and closing strictly above the first close; else 0. It never gives −1."},
        {"ThreeLineStrike", {}, {}, {},
         "Reads four candles: +1 when the first three are three white soldiers (as `ThreeSoldiersOrCrows` "
         "gives +1) and the fourth is black, opens strictly above the third close and closes strictly below "
         "the first open; −1 when they are three black crows and the fourth is white, opens strictly below "
         "the third close and closes strictly above the first open; else 0. The sign follows the run of three, "
         "not the striking candle."},
    };
}
