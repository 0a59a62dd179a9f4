// What the DeMark sequences, lines and projections compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(demark_sequences) {
    return {
        {"TdLines", {4, 9},
         {"lookback: how many bars back the close each close is compared with",
          "run_length: the number of consecutive closes that completes a run"},
         {"resistance: the highest high of the latest completed down run (NaN until one completes)",
          "support: the lowest low of the latest completed up run (NaN until one completes)"},
         "A run of `run_length` consecutive closes each below the close `lookback` bars earlier sets the resistance "
         "at the run's highest high, following it while the run goes on; a run of closes above sets the support at "
         "its lowest low; a close equal to its reference ends both runs. Each line keeps its price until a later "
         "run replaces it; nothing is given before either is set, so the first value can come well after the "
         "warm-up."},
        {"TdMovingAverage", {3, 34},
         {"st1: the number of bars of the shorter average",
          "st2: the number of bars of the longer average (more than `st1`)"},
         {"st1: the simple average of the midpoint (high + low) / 2 over `st1` bars",
          "st2: the simple average of the midpoint (high + low) / 2 over `st2` bars"},
         "Two simple averages of the bar's midpoint (high + low) / 2, not of the close. Price levels."},
        {"TdRangeProjection", {},
         {},
         {"high: the projected high of the next bar", "low: the projected low of the next bar"},
         "From this bar alone: X = close + (high + 2 × low) on a bar that closed below its open, close + (low + 2 × "
         "high) on one that closed above it, (high + low) + 2 × close when close = open; the projected high is "
         "X / 2 − low and the projected low X / 2 − high. The levels are meant for the next bar (read them "
         "with `prev` 1)."},
        {"TdRiskLevel", {4, 9},
         {"lookback: how many bars back the close each close is compared with",
          "run_length: the number of consecutive closes that completes a run"},
         {"buy_risk: the lowest low of the latest completed down run less that bar's true range (NaN until set)",
          "sell_risk: the highest high of the latest completed up run plus that bar's true range (NaN until set)"},
         "A run of `run_length` consecutive closes each below the close `lookback` bars earlier sets the buy risk "
         "at the low of the run's lowest bar less that bar's true range (against its previous close); a run above "
         "sets the sell risk at the high of its highest bar plus its true range; a tie keeps the earlier bar, and "
         "the levels follow the run while it goes on. Each level keeps its price until replaced; nothing is given "
         "before either is set."},
        {"TdSequential", {4, 9, 2, 13},
         {"setup_lookback: how many bars back the close each setup close is compared with",
          "setup_length: the setup count that completes a setup",
          "countdown_lookback: how many bars back the low (buy) or high (sell) each countdown close is compared "
          "with",
          "countdown_length: the countdown count that completes a countdown"},
         {"setup: the count of consecutive closes below the close `setup_lookback` bars earlier (positive, buy) or "
          "above it (negative, sell), held at `setup_length`; 0 after an equal close",
          "countdown: the active side's countdown, 0 to `countdown_length`, negative for the sell side",
          "direction: +1 once a buy setup completed last, −1 a sell setup, 0 before any"},
         "A completed setup makes its side active and restarts the countdown (a repeated setup of the active side "
         "does not). From that bar on the countdown counts the bars whose close is at or below the low "
         "`countdown_lookback` bars earlier (buy) or at or above that high (sell), not necessarily consecutive; the "
         "final count needs the bar's low at or below (buy), or high at or above (sell), the close recorded at "
         "count `countdown_length` − 5, else that bar is not counted."},
    };
}
