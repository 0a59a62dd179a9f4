// What the single-candle patterns compute.
// Words used throughout: range = high − low; body = abs(close − open); white: close > open,
// black: close < open; upper shadow = high − max(open, close), lower shadow = min(open, close) − low.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(single_candle_patterns) {
    return {
        {"BeltHold", {}, {}, {},
         "Reads the current candle only: +1 when it is white, its body is at least half the range and it opens "
         "on its low (open − low ≤ 0.05 × range); −1 when it is black, its body is at least half the range and "
         "it opens on its high (high − open ≤ 0.05 × range); else 0. A bar without range gives 0, and the trend "
         "before it is not read."},
        {"ClosingMarubozu", {}, {}, {},
         "Reads the current candle only: +1 when it is white, its body is at least 0.7 × the range and it "
         "closes on its high (high − close ≤ 0.05 × range); −1 when it is black with the same body and closes "
         "on its low (close − low ≤ 0.05 × range); else 0. A bar without range gives 0; the opening side's "
         "shadow is not read."},
        {"Doji", {}, {}, {},
         "Reads the current candle only: +1 when the body is at most a tenth of the range (body ≤ 0.1 × "
         "range), else 0; it never gives −1, and a bar without range (high = low) is no doji."},
        {"DragonflyDoji", {}, {}, {},
         "Reads the current candle only: +1 when the bar has a range, a body of at most 0.1 × the range, a "
         "lower shadow of at least 0.5 × the range and an upper shadow of at most 0.1 × the range; else 0. "
         "It never gives −1; the trend before it is not read."},
        {"GravestoneDoji", {}, {}, {},
         "Reads the current candle only: −1 when the bar has a range, a body of at most 0.1 × the range, an "
         "upper shadow of at least 0.5 × the range and a lower shadow of at most 0.1 × the range; else 0. It "
         "never gives +1; the trend before it is not read."},
        {"Hammer", {}, {}, {},
         "Reads the current candle only: +1 when the bar has a range and a non-zero body, its lower shadow is "
         "at least twice the body and its upper shadow at most the body (both bounds included); else 0. "
         "Neither the body's colour nor the trend before it is read, so `HangingMan` gives −1 on exactly the "
         "same bars."},
        {"HangingMan", {}, {}, {},
         "The `Hammer` test read as bearish: −1 when the bar has a range and a non-zero body, its lower shadow "
         "is at least twice the body and its upper shadow at most the body (bounds included); else 0. Neither "
         "the body's colour nor the trend before it is read."},
        {"HighWave", {}, {}, {},
         "Reads the current candle only: +1 when the bar has a range and both shadows are at least 0.4 × the "
         "range, whatever the body and its colour; else 0. It never gives −1."},
        {"InvertedHammer", {}, {}, {},
         "Reads the current candle only: +1 when the bar has a range and a non-zero body, its upper shadow is "
         "at least twice the body and its lower shadow at most the body (both bounds included); else 0. "
         "Neither the body's colour nor the trend before it is read, so `ShootingStar` gives −1 on exactly "
         "the same bars."},
        {"LongLeggedDoji", {}, {}, {},
         "Reads the current candle only: +1 when the bar has a range, a body of at most 0.1 × the range and "
         "both shadows of at least 0.3 × the range; else 0. It never gives −1."},
        {"LongLine", {}, {}, {},
         "Compares the current range with the mean of the ranges (high − low) of the five valid candles "
         "before it: when the range is strictly above that mean and the body is at least half the range, +1 "
         "for a white candle and −1 for a black one; else 0. The first five valid candles only fill the "
         "window, so the first value comes on the sixth valid candle, one bar after the reported warm-up."},
        {"Marubozu", {}, {}, {},
         "Reads the current candle only: when the bar has a range and a non-zero body and both shadows are at "
         "most 0.05 × the range, +1 for a white candle and −1 for a black one; else 0."},
        {"OpeningMarubozu", {}, {}, {},
         "Reads the current candle only: +1 when it is white, its body is at least 0.7 × the range and it "
         "opens on its low (open − low ≤ 0.05 × range); −1 when it is black with the same body and opens on "
         "its high (high − open ≤ 0.05 × range); else 0. A bar without range gives 0; the closing side's "
         "shadow is not read."},
        {"RickshawMan", {}, {}, {},
         "Reads the current candle only: +1 when the bar has a range, a body of at most 0.1 × the range, both "
         "shadows of at least 0.3 × the range, and the middle of its body ((open + close) / 2) lies between "
         "40 % and 60 % of the range above the low, bounds included; else 0. It never gives −1."},
        {"ShootingStar", {}, {}, {},
         "The `InvertedHammer` test read as bearish: −1 when the bar has a range and a non-zero body, its "
         "upper shadow is at least twice the body and its lower shadow at most the body (bounds included); "
         "else 0. Neither the body's colour nor the trend before it is read."},
        {"ShortLine", {}, {}, {},
         "Compares the current range with the mean of the ranges (high − low) of the five valid candles "
         "before it: when the range is strictly below that mean and the body is at least half the range, +1 "
         "for a white candle and −1 otherwise, so a flat bar after ranged ones gives −1; else 0. The first "
         "five valid candles only fill the window, so the first value comes on the sixth valid candle, one "
         "bar after the reported warm-up."},
        {"SpinningTop", {}, {}, {},
         "Reads the current candle only: when the bar has a range and a non-zero body of at most 0.3 × the "
         "range, and both shadows are at least twice the body, +1 for a white candle and −1 for a black one; "
         "else 0."},
        {"Takuri", {}, {}, {},
         "Reads the current candle only: +1 when the bar has a range, a body of at most 0.1 × the range, a "
         "lower shadow of at least 0.7 × the range and an upper shadow of at most 0.05 × the range; else 0. "
         "It never gives −1; the trend before it is not read."},
    };
}
