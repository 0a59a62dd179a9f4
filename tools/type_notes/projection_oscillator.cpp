// What the projection oscillator computes.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(projection_oscillator) {
    return {
        {"ProjectionOscillator", {14}, {"period: the number of candles in the window (n), at least 2"}, {},
         "Where the close stands in the projection band, 100 × (close − lower) / (upper − lower), not clamped (below "
         "0 or above 100 when the close leaves the band); 50 on a band without width. Each of the last n highs is "
         "carried forward to the newest bar along the least-squares slope of the window's highs against bar "
         "position, and the lows likewise along their own slope; upper is the largest projected high, lower the "
         "smallest projected low."},
    };
}
