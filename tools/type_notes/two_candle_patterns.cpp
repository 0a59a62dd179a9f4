// What the two-candle patterns (with the tasuki gap and the hikkake patterns) compute.
// Words used throughout: the previous candle is the last valid one before the current; range =
// high − low; body = abs(close − open); white: close > open, black: close < open.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(two_candle_patterns) {
    return {
        {"Counterattack", {}, {}, {},
         "Reads the previous and the current candle: when each body is at least half its own range and the "
         "two closes lie within 0.025 × (range + previous range) of each other, +1 for a white candle after "
         "a black one and −1 for a black candle after a white one; else 0. The trend before it is not read."},
        {"DojiStar", {}, {}, {},
         "A doji (a range, body ≤ 0.1 × range) after a long candle (a range, body ≥ 0.5 × its range): +1 "
         "when the previous candle is black and the doji's body top (max(open, close)) is strictly below the "
         "previous close, −1 when the previous candle is white and the doji's body bottom is strictly above "
         "the previous close; else 0. Only the body ends are compared (the shadows may overlap)."},
        {"Engulfing", {}, {}, {},
         "Reads the open and close of the previous and the current candle: +1 when a white body follows a "
         "black one, is strictly longer and covers it (close ≥ previous open and open ≤ previous close, so "
         "equal ends count); −1 when a black body follows a white one, is strictly longer, with open ≥ "
         "previous close and close ≤ previous open; else 0. A previous candle without body gives 0; shadows "
         "and the trend before it are not read."},
        {"Harami", {}, {}, {},
         "Reads the open and close of the previous and the current candle: +1 when a white body lies within a "
         "previous black body (open ≥ previous close, close ≤ previous open, ends may meet) and is strictly "
         "shorter; −1 when a black body lies within a previous white body (open ≤ previous close, close ≥ "
         "previous open) and is strictly shorter; else 0, also when either body is zero."},
        {"HaramiCross", {}, {}, {},
         "A doji (a range, body ≤ 0.1 × range) whose open and close both lie within the previous body, ends "
         "included, after a candle that is no doji (body > 0.1 × its range, or no range at all): +1 when the "
         "previous candle is black, −1 otherwise; else 0. The sign follows the previous candle only, so a "
         "white or a flat previous candle gives −1."},
        {"Hikkake", {}, {}, {},
         "Reads three valid candles: the second an inside bar (high strictly below and low strictly above the "
         "first's), then a third breaking out of it: +1 when its high and its low are both strictly below the "
         "inside bar's (the downward break read as a false one), −1 when both are strictly above; else 0. "
         "Opens and closes are not read, and no later confirmation is waited for."},
        {"HikkakeModified", {}, {}, {},
         "Reads four valid candles: the second inside the first and the third inside the second (highs and "
         "lows strictly within); +1 when the second closes in the lowest fifth of its range (close ≤ low + 0.2 "
         "× range) and the fourth's high and low are both strictly below the third's, −1 when the second "
         "closes in the top fifth (close ≥ high − 0.2 × range) and the fourth's high and low are both strictly "
         "above the third's; else 0."},
        {"HomingPigeon", {}, {}, {},
         "+1 when a black candle follows a black candle, its body within the previous body (open ≤ previous "
         "open, close ≥ previous close) and strictly shorter; else 0. It never gives −1; ranges and the trend "
         "before it are not read."},
        {"InNeck", {}, {}, {},
         "−1 when the previous candle is black with a range and a body of at least half of it, and the current "
         "candle is white, opens strictly below the previous low and closes at or above the previous close "
         "but no more than 0.1 × the previous body above it; else 0. It never gives +1."},
        {"Kicking", {}, {}, {},
         "Two near-marubozu candles (each with a range and a body of at least 0.95 × it): +1 when a white "
         "candle follows a black one with its low strictly above the previous high, −1 when a black candle "
         "follows a white one with its high strictly below the previous low; else 0."},
        {"KickingByLength", {}, {}, {},
         "The `Kicking` pair (two near-marubozu candles of opposite colours, the white one's range strictly "
         "above the black one's: a gap up after black or down after white), signed by the colour of the longer body: +1 when the white body "
         "is longer, −1 when the black one is; on equal bodies the previous candle's colour decides (a white "
         "previous candle gives +1, a black one −1). No pair gives 0."},
        {"MatchingLow", {}, {}, {},
         "+1 when two black candles close within 0.05 × the mean of their two ranges of each other "
         "(abs(close − previous close) ≤ 0.05 × (range + previous range) / 2); else 0. It never gives −1; "
         "body lengths and the trend before it are not read."},
        {"OnNeck", {}, {}, {},
         "−1 when the previous candle is black with a range and a body of at least half of it, and the current "
         "candle is white, opens strictly below the previous low and closes within 0.05 × the previous range "
         "of the previous low, on either side; else 0. It never gives +1."},
        {"PiercingDarkCloud", {}, {}, {},
         "+1 (piercing line) when a white candle follows a black one, opens strictly below the previous low "
         "and closes strictly above the middle of the previous body but strictly below the previous open; −1 "
         "(dark cloud cover) when a black candle follows a white one, opens strictly above the previous high "
         "and closes strictly below the middle of the previous body but strictly above the previous open; "
         "else 0."},
        {"SeparatingLines", {}, {}, {},
         "Both candles with a range, the current one opening within 0.05 × the previous range of the previous "
         "open with a body of at least half its own range: +1 when it is white after a black candle and opens "
         "on its low (open − low ≤ 0.05 × range), −1 when it is black after a white candle and opens on its "
         "high (high − open ≤ 0.05 × range); else 0."},
        {"TasukiGap", {}, {}, {},
         "Reads three valid candles: +1 (upside) when two white candles have a gap between their bodies (the "
         "second opens above the first close) and a black third opens inside the second body and closes "
         "between the first close and the second open; −1 (downside) when two black candles gap down (the "
         "second opens below the first close) and a white third opens inside the second body and closes "
         "between the second open and the first close; else 0. Every bound is strict."},
        {"Thrusting", {}, {}, {},
         "−1 when the previous candle is black with a range and a body of at least half of it, and the current "
         "candle is white, opens strictly below the previous low and closes into the previous body, strictly "
         "above previous close + 0.1 × the previous body and strictly below the middle of that body; else 0. "
         "It never gives +1."},
        {"Tweezer", {}, {}, {},
         "+1 (tweezer bottom) when the two lows are equal within 0.001 × the larger of their magnitudes "
         "(abs(low − previous low) ≤ 0.001 × max(abs(low), abs(previous low))); otherwise −1 (tweezer top) "
         "when the two highs are equal within the same tolerance; else 0. Colours, bodies and the trend "
         "before it are not read."},
    };
}
