// What the opening, day and session ranges compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(session_ranges) {
    return {
        {"InitialBalance", {12},
         {"n: the number of first candles of the run whose range is taken"},
         {"high: the highest high of the first `n` candles (of those seen so far while fewer)",
          "low: the lowest low of the first `n` candles (of those seen so far while fewer)"},
         "The high and low of the first `n` valid candles of the run: running while they arrive, then frozen for "
         "the rest of the run. It is not reset by day or session; every candle gives a value."},
        {"OpeningRange", {6},
         {"n: the number of first candles of the run whose range is taken"},
         {"high: the highest high of the first `n` candles (running while fewer)",
          "low: the lowest low of the first `n` candles (running while fewer)",
          "breakout_distance: close − the midpoint of high and low"},
         "The range of the first `n` valid candles of the run, as `InitialBalance` (frozen after the `n`-th, never "
         "reset by day), and how far this close lies above (positive) or below (negative) the middle of that range, "
         "in price units."},
        {"OvernightIntradayReturn", {0},
         {"offset_minutes: minutes added to the UTC candle time to get the local time that decides the day"},
         {"overnight: the day's first open / the previous local day's last close − 1",
          "intraday: this close / the day's first open − 1"},
         "Simple returns as fractions (0.01 is 1 %): the overnight gap of the current local day, held for all its "
         "bars, and the move from the day's first open to this close. Values start with the first candle of the "
         "second local day; a previous close or first open of 0 gives a return of 0. An overnight return that is "
         "not finite gives no value on any candle of that day (the next day is measured from its last close); "
         "an intraday return that is not finite gives no value for that bar."},
        {"SessionHighLow", {0},
         {"offset_minutes: minutes added to the UTC candle time to get the local time that decides the day"},
         {"high: the highest high of the current local day so far",
          "low: the lowest low of the current local day so far"},
         "The running high and low of the current local day, from its first candle to this one; a candle whose "
         "local date differs from the previous one starts a new day. Every candle gives a value."},
        {"SessionRange", {0},
         {"offset_minutes: minutes added to the UTC candle time to get the local time of the sessions"},
         {"asia: high − low of today's candles from 00:00 to 08:00 local time",
          "eu: high − low of today's candles from 08:00 to 16:00 local time",
          "us: high − low of today's candles from 16:00 to 24:00 local time"},
         "The ranges of the three eight-hour sessions of the current local day, each placed by its candle's time; "
         "a session without a candle yet today is 0, and all three restart at local midnight. Price units."},
    };
}
