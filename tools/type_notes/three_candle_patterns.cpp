// What the three-candle patterns compute.
// Words used throughout: the first, second and third candles are the last three valid ones, the
// third the current; range = high − low; body = abs(close − open); white: close > open, black:
// close < open; body top = max(open, close), body bottom = min(open, close).
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(three_candle_patterns) {
    return {
        {"AbandonedBaby", {}, {}, {},
         "The second candle a doji by price (body ≤ 0.001 × max(abs(open), abs(close))): +1 when the first is "
         "black, the doji's high is strictly below the first low and the third is white with its low strictly "
         "above the doji's high; −1 when the first is white, the doji's low is strictly above the first high "
         "and the third is black with its high strictly below the doji's low; else 0. The ranges, not the "
         "bodies, must gap."},
        {"AdvanceBlock", {}, {}, {},
         "−1 when three white candles have strictly rising closes, the second and third each open within the "
         "body before them (ends included), the bodies strictly shrink, and the third's upper shadow (high − "
         "close) is positive and at least the second's; else 0. It never gives +1."},
        {"DownsideGapThreeMethods", {}, {}, {},
         "−1 when two black candles have a gap between their bodies (the second opens strictly below the first "
         "close) and a white third opens strictly inside the second body and closes strictly inside the first "
         "body; else 0. It never gives +1."},
        {"EveningDojiStar", {}, {}, {},
         "−1 when the first candle is white with a body of at least half its range, the second is a doji (a "
         "range, body ≤ 0.1 × range) whose body bottom is strictly above the first close, and the third is "
         "black with its body top strictly below the doji's body bottom and its close strictly below first "
         "close − 0.3 × the first body; else 0. It never gives +1."},
        {"GapSideBySideWhite", {}, {}, {},
         "The second and third candles white, neither body more than twice the other, the third opening "
         "within 0.1 × the second range of the second open (the second with a range): +1 when the second "
         "body's bottom is strictly above the first body's top, −1 when the second body's top is strictly "
         "below the first body's bottom; else 0. The first candle's colour and the third's place against the "
         "first are not read."},
        {"IdenticalThreeCrows", {}, {}, {},
         "−1 when three black candles have strictly falling closes and the second and third each open at the "
         "close before them, up to 0.001 × the larger magnitude of the two prices; else 0. It never gives +1."},
        {"MorningDojiStar", {}, {}, {},
         "+1 when the first candle is black with a body of at least half its range, the second is a doji (a "
         "range, body ≤ 0.1 × range) whose body top is strictly below the first close, and the third is white "
         "with its body bottom strictly above the doji's body top and its close strictly above first close + "
         "0.3 × the first body; else 0. It never gives −1."},
        {"MorningEveningStar", {}, {}, {},
         "The first and third bodies non-zero and each at least twice the second body: +1 (morning star) when "
         "the first is black, the second body's top is strictly below the first close and the third is white, "
         "closing strictly above first close + 0.3 × the first body; −1 (evening star) when the first is "
         "white, the second body's bottom is strictly above the first close and the third is black, closing "
         "strictly below first close − 0.3 × the first body; else 0. The ranges and the second candle's "
         "colour are not read."},
        {"StalledPattern", {}, {}, {},
         "−1 when three white candles with ranges have strictly rising closes, the first two bodies are at "
         "least half their ranges, the third body is at most 0.3 × its range, and the third opens no lower "
         "than second close − 0.1 × the second range; else 0. It never gives +1."},
        {"StickSandwich", {}, {}, {},
         "+1 when a black, a white and a black candle follow each other, the white one's low strictly above "
         "the first close, and the third closes within 0.1 × the first range of the first close; else 0. It "
         "never gives −1."},
        {"ThreeInside", {}, {}, {},
         "+1 (three inside up) when a white second body lies within a black first body (open ≥ first close, "
         "close ≤ first open), strictly shorter, and the third is white and closes strictly above the first "
         "open; −1 (three inside down) when a black second body lies within a white first body, strictly "
         "shorter, and the third is black and closes strictly below the first open; else 0."},
        {"ThreeOutside", {}, {}, {},
         "+1 (three outside up) when a white second body strictly longer than a black first body covers it "
         "(close ≥ first open, open ≤ first close) and the third is white and closes strictly above the second "
         "close; −1 (three outside down) when a black second body strictly longer than a white first body "
         "covers it (open ≥ first close, close ≤ first open) and the third is black and closes strictly below "
         "the second close; else 0."},
        {"ThreeSoldiersOrCrows", {}, {}, {},
         "+1 (three white soldiers) when three white candles have strictly rising closes and the second and "
         "third each open within the body before them (ends included); −1 (three black crows) when three "
         "black candles have strictly falling closes and each opens within the body before it; else 0. Body "
         "lengths and shadows are not read."},
        {"ThreeStarsInSouth", {}, {}, {},
         "+1 when the first candle is black with a lower shadow at least its body, the second is black, opens "
         "within the first body (ends included), has a strictly shorter body, a close strictly above the "
         "first close and a low strictly above the first low, and the third is black inside the second range "
         "(high and low strictly within) with both shadows at most 0.001 × max(abs(high), abs(low)); else 0. "
         "It never gives −1."},
        {"TowerTopBottom", {}, {}, {},
         "The first and third candles with a range and a body of at least half of it, the second small (body "
         "at most 0.3 × its range, or no range): +1 (tower bottom) when the first is black and the third "
         "white, −1 (tower top) when the first is white and the third black; else 0. The shares are taken as "
         "quotients body / range, and where the candles lie against each other is not read."},
        {"Tristar", {}, {}, {},
         "Three dojis, each with a range and a body of at most 0.1 × it: −1 when the second body's bottom is "
         "strictly above the first body's top and the third body's top is strictly below the second body's "
         "top (tested first); +1 when the second body's top is strictly below the first body's bottom and the "
         "third body's bottom is strictly above the second body's bottom; else 0."},
        {"TwoCrows", {}, {}, {},
         "−1 when a white candle is followed by a black one closing strictly above the first close, then by a "
         "black one opening strictly inside the second body and closing strictly inside the first body; else "
         "0. It never gives +1."},
        {"UniqueThreeRiver", {}, {}, {},
         "+1 when the first candle is black with a body of at least half its range, the second is black with "
         "its body within the first (open ≤ first open, close ≥ first close) and a low strictly below the "
         "first low, and the third is white with a body of at most 0.3 × its range and a high at or below the "
         "second close; else 0. It never gives −1."},
        {"UpsideGapThreeMethods", {}, {}, {},
         "+1 when two white candles have a gap between their bodies (the second opens strictly above the "
         "first close) and a black third opens strictly inside the second body and closes strictly inside the "
         "first body; else 0. It never gives −1."},
        {"UpsideGapTwoCrows", {}, {}, {},
         "−1 when a white candle is followed by a black one closing strictly above the first close, then by a "
         "black one opening strictly above the second open and closing strictly below the second close but "
         "still strictly above the first close; else 0. It never gives +1."},
    };
}
