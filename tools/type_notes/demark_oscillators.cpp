// What the DeMark oscillators compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(demark_oscillators) {
    return {
        {"TdDWave", {3}, {"period: the number of bars on each side of a pivot"}, {},
         "A wave count 1..8, then again from 1. A pivot is the bar `period` bars back whose high is strictly above "
         "(or low strictly below) that of every other bar of the last 2 × period + 1, not both; each pivot of the "
         "side opposite to the last one opens the next wave, and every bar repeats the current wave number, so the "
         "first value can come well after the window fills (at the first pivot). Reads high and low."},
        {"TdDeMarker", {14}, {"period: the number of bars averaged (n)"}, {},
         "DeMarker, 0..1: the mean over n bars of the upward extension max(high − previous high, 0) over that mean "
         "plus the mean of the downward extension max(previous low − low, 0); 0.5 when neither moved. The means are "
         "summed afresh on every bar."},
        {"TdPressure", {10}, {"period: the number of bars averaged (n)"}, {},
         "DeMark pressure, −100..100: 100 × the mean over n bars of volume × (close − open) / (high − low) (0 for a "
         "bar without range, whose volume still counts) over the mean volume; 0 without volume."},
        {"TdRei", {5}, {"period: the number of bars summed (n)"}, {},
         "The range expansion index, −100..100: 100 × the sum over n bars of (high − the high 2 bars back) + (low − "
         "the low 2 bars back), taken only on bars that overlap (the high at or above the low 5 or 6 bars back and "
         "the low at or below the high 5 or 6 bars back, or the bar 2 back's range reaching the close 7 or 8 bars "
         "back) and 0 on the others, over the sum of the absolute moves; 0 when that sum is 0."},
    };
}
