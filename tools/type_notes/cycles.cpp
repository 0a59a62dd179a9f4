// What the cycle measurement types compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(cycles) {
    return {
        {"AdaptiveCycle", {}, {}, {},
         "Half the smoothed dominant-cycle period of `HilbertDominantCycle`, rounded to whole bars (halves up) and "
         "kept within 3 to 25: a lookback that follows the market's cycle. Closes beyond 1e150 in magnitude are "
         "refused like non-finite ones."},
        {"AutocorrelationPeriodogram", {10, 48},
         {"min_period: the shortest period measured, in bars, at least 4",
          "max_period: the longest period measured and the high-pass period, more than min_period and than 10"},
         {},
         "Ehlers's autocorrelation periodogram: the close through a roofing filter (one-pole high-pass of "
         "max_period, super smoother of 10); the correlations of its newest three values with the three at each lag "
         "3 .. max_period feed a Fourier sum per period, whose squared power is smoothed 0.2 new / 0.8 old; the "
         "value is the power-weighted mean of the periods with at least half the maximum power (a maximum that "
         "decays by 0.995 a bar). A period in bars within [min_period, max_period]; min_period while no power is "
         "positive."},
        {"HilbertDominantCycle", {}, {}, {},
         "The dominant-cycle period in bars from the Hilbert transform of the 4-bar weighted close (4, 3, 2, 1) / "
         "10: the phasor's period, kept within 0.67 to 1.5 times the last one and within 6 to 50, smoothed 0.2 / "
         "0.8, then smoothed again as 0.33 × period + 0.67 × previous. Closes beyond 1e150 in magnitude are refused "
         "like non-finite ones."},
        {"HtDcPhase", {}, {}, {},
         "The phase of the dominant cycle in degrees, about −45 to 315: the angle of the smoothed closes correlated "
         "with one cycle of sines and cosines of the smoothed dominant period (that of `HilbertDominantCycle`), "
         "advanced by one bar of the cycle. Closes beyond 1e150 in magnitude are refused like non-finite ones."},
        {"HtTrendMode", {}, {}, {},
         "1 while the market trends, 0 while it follows its dominant cycle: 0 for half a cycle after the sine of "
         "the phase (`HtDcPhase`) crosses its 45-degree lead and while the phase advances at 0.67 to 1.5 times the "
         "cycle's rate, but 1 whenever the smoothed close is 1.5% or more from the trendline (the mean of the closes "
         "over one cycle, weighted 4, 3, 2, 1 over its last four values). Closes beyond 1e150 in magnitude are "
         "refused."},
        {"SineWave", {}, {}, {},
         "The sine of the dominant-cycle phase of `HtDcPhase`, −1 to 1 (the lead sine is not given). Closes beyond "
         "1e150 in magnitude are refused like non-finite ones."},
    };
}
