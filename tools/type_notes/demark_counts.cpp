// What the DeMark counts compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(demark_counts) {
    return {
        {"TdCombo", {4, 9, 2, 13},
         {"setup_lookback: how many bars back the close each setup close is compared with",
          "setup_length: how many closes in a row complete a setup",
          "combo_lookback: how many bars back the low (high) a combo bar is compared with",
          "combo_length: the count at which the combo completes and is held"},
         {},
         "The combo count of the active side, +count for buy, −count for sell, 0 before any setup completes. A setup "
         "is setup_length closes in a row below (buy) or above (sell) the close setup_lookback bars earlier; one "
         "completing on the other side than the active one makes its side active and restarts both counts. A buy "
         "bar counts when close < previous close, close ≤ the low combo_lookback bars back and low ≤ previous low "
         "(a sell bar mirrored), up to combo_length; reads high, low and close."},
        {"TdCountdown", {4, 9, 2, 13},
         {"setup_lookback: how many bars back the close each setup close is compared with",
          "setup_length: how many closes in a row complete a setup",
          "countdown_lookback: how many bars back the low (high) a countdown close is compared with",
          "countdown_length: the count at which the countdown completes and is held"},
         {},
         "The countdown of the active side, +count for buy, −count for sell, 0 before any setup completes. A setup "
         "is setup_length closes in a row below (buy) or above (sell) the close setup_lookback bars earlier; one "
         "completing on the other side than the active one makes its side active and restarts the count. A buy bar "
         "counts when its close is at or below the low countdown_lookback bars back (sell: at or above the high), up "
         "to countdown_length, and the last count also needs the low at or below the close of count "
         "countdown_length − 5 (sell: the high at or above it)."},
        {"TdSetup", {4, 9},
         {"lookback: how many bars back the close each close is compared with",
          "largest: the count at which the setup is held"},
         {},
         "The setup count: closes in a row below the close `lookback` bars earlier count up as a positive (buy) "
         "count, closes above it as a negative (sell) count, held at `largest` while the run goes on; a close equal "
         "to its reference gives 0 and ends both runs."},
    };
}
