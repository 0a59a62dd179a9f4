// What the digital filters of the close compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(digital_filters) {
    return {
        {"AdaptiveLaguerreFilter", {13}, {"period: the number of distances whose range normalises the newest"}, {},
         "A four-element Laguerre filter of the close, output (L0 + 2 L1 + 2 L2 + L3) / 6, whose alpha is the median "
         "of the last 5 values of (d − lowest) / (highest − lowest) over the last `period` distances d = abs(close "
         "− previous output); alpha starts at 1 and holds while that range is 0. The elements start at the first "
         "close. A price level."},
        {"BandpassFilter", {20, 0.3},
         {"period: the centre period of the band, in bars", "bandwidth: the relative width of the band, in (0, 1)"},
         {},
         "A two-pole band-pass of the close: b = 0.5 × (1 − a) × (close − the close two bars back) + beta × (1 + a) "
         "× b1 − a × b2 (b1, b2 the two previous values), beta = cos(2π / period), a = g − sqrt(g² − 1), g = 1 / "
         "cos(4π × bandwidth / period). In price units around 0; 0 for the first two closes."},
        {"CenterOfGravity", {10}, {"period: the number of closes weighted"}, {},
         "Ehlers's centre of gravity: (period + 1) / 2 − the sum of k × close over the sum of the closes of the "
         "last `period` closes, k = 1 on the newest up to `period` on the oldest; a position in bars that swings "
         "around 0. 0 for a window of one repeated close and when the closes sum to nearly 0."},
        {"CyberneticCycle", {20}, {"period: sets alpha = 2 / (period + 1)"}, {},
         "A two-pole high-pass of the smoothed close s = (close + 2 × previous + 2 × the one before + the third "
         "back) / 6: (1 − alpha/2)² × (s − 2 s1 + s2) + 2 (1 − alpha) × c1 − (1 − alpha)² × c2, with s1, s2 and c1, "
         "c2 the two previous smoothed closes and values. The first two bars "
         "give (close − 2 × previous + close) / 4 (0 on the first) and the third uses the unsmoothed close. In price "
         "units around 0."},
        {"Decycler", {60}, {"period: the high-pass period; cycles shorter than it are removed"}, {},
         "The close minus its two-pole high-pass of period `period` (the filter of `HighpassFilter`): the trend "
         "with the shorter cycles taken out. A price level; the first two values are the closes themselves."},
        {"DecyclerOscillator", {30, 60},
         {"fast: the high-pass period of the fast decycler",
          "slow: the high-pass period of the slow decycler, more than fast"},
         {},
         "The decycler of period `fast` minus the decycler of period `slow`, each the close minus its two-pole "
         "high-pass (so the slow high-pass minus the fast one). In price units around 0, not a percentage; 0 for "
         "the first two closes."},
        {"EhlersStochastic", {20}, {"period: the number of roofed values in the range"}, {},
         "The close through a roofing filter (one-pole high-pass of period 48, super smoother of 10), placed in the "
         "range of its last `period` values as 2 × (r − lowest) / (highest − lowest) − 1 and averaged with the "
         "previous placement. −1 to 1; a flat window places at 0."},
        {"EmpiricalModeDecomposition", {20, 0.1},
         {"period: the centre period of the band-pass, in bars; the mean spans 2 × period bars",
          "fraction: the peak and valley fraction, accepted in (0, 1] but not used by the value"},
         {},
         "The trend line of an empirical mode decomposition: the mean of the last 2 × period values of a band-pass "
         "of the close centred on `period` with bandwidth 0.1 (g = 1 / cos(0.4π / period)). In price units around "
         "0; a window of one repeated band-pass value gives that value exactly."},
        {"EvenBetterSinewave", {40, 10},
         {"highpass_period: the period of the one-pole high-pass, in bars",
          "smoothing_period: the length of the super smoother"},
         {},
         "A one-pole high-pass of the close, alpha1 = (1 − sin(2π / highpass_period)) / cos(2π / highpass_period), "
         "through a super smoother; the mean of its last three values over the square root of their mean square. "
         "−1 to 1; 0 when that power is 0."},
        {"FisherTransform", {10}, {"period: the number of closes in the range"}, {},
         "Ehlers's Fisher transform: the close's place in the range of the last `period` closes, 2 × (close − "
         "lowest) / (highest − lowest) − 1 (0 for a flat window), smoothed as v = 0.33 × place + 0.67 × v and kept "
         "within ±0.999, then 0.5 × ln((1 + v) / (1 − v)) + 0.5 × the previous value. At most about 7.6 in size."},
        {"HighpassFilter", {48}, {"period: the cut-off period; cycles longer than it are removed"}, {},
         "A two-pole high-pass of the close: (1 − a/2)² × (x − 2 x1 + x2) + 2 (1 − a) × h1 − (1 − a)² × h2, with x1, "
         "x2 the two previous closes, h1, h2 the two previous values, a = (cos t + sin t − 1) / cos t and t = 0.707 "
         "× 2π / period. In price units around 0 (the trend removed); 0 for the first two closes."},
        {"InstantaneousTrendline", {20}, {"period: sets a = 2 / (period + 1)"}, {},
         "Ehlers's instantaneous trendline: (close + 2 × previous + the one before) / 4 for the first six closes "
         "(missing closes taken as the current one), then (a − a²/4) × x + (a²/2) × x1 − (a − 0.75 a²) × x2 + 2 (1 − "
         "a) × it1 − (1 − a)² × it2, x1 and x2 the two previous closes, it1 and it2 the two previous values. A "
         "price level."},
        {"InverseFisherTransform", {0.5}, {"scale: the multiplier of the close before tanh"}, {},
         "tanh(scale × close), −1 to 1. The close itself is transformed, without a window or normalisation, so it "
         "suits a close near 0; for ordinary prices it is nearly always 1. Products beyond the doubles give exactly "
         "±1."},
        {"LaguerreRsi", {0.5}, {"gamma: the damping in [0, 1]; larger is smoother and slower"}, {},
         "Ehlers's Laguerre RSI: four Laguerre elements of the close, L0' = (1 − gamma) × close + gamma × L0 and "
         "Li' = gamma × Li + L(i−1) − gamma × L(i−1)', and 100 × CU / (CU + CD) over the rises and falls between "
         "neighbouring elements. 0 to 100; 50 on the first close, when there is no step, and for a close equal to "
         "all four elements."},
        {"Reflex", {20}, {"period: the span of the chord in bars; the super smoother runs over period / 2"}, {},
         "The close super-smoothed over period / 2; the mean over k = 1 .. period of the chord joining the newest "
         "smoothed value to the one `period` bars back, taken k bars back, minus the smoothed value k bars back, "
         "divided by the square root of its decaying mean square ms = 0.96 × ms + 0.04 × mean². A unitless "
         "oscillator around 0; 0 while ms is 0."},
        {"RoofingFilter", {10, 48},
         {"lp_period: the super smoother length, the shortest period kept",
          "hp_period: the one-pole high-pass period, the longest period kept, more than lp_period"},
         {},
         "A one-pole high-pass of the close on 2π / hp_period (the trend removed) followed by a two-pole super "
         "smoother of length lp_period (the noise removed). In price units around 0; 0 for the first close."},
        {"SuperSmoother", {10}, {"period: the critical period of the low-pass"}, {},
         "Ehlers's two-pole super smoother: c1 × (close + previous close) / 2 + c2 × f1 + c3 × f2 with a = exp(−√2 "
         "π / period), c2 = 2a × cos(√2 π / period), c3 = −a², c1 = 1 − c2 − c3. A price level; the first two "
         "closes pass through, and a constant series gives the constant exactly."},
        {"Trendflex", {20},
         {"period: the number of earlier smoothed values compared; the super smoother runs over period / 2"}, {},
         "The close super-smoothed over period / 2; the mean over k = 1 .. period of the newest smoothed value "
         "minus the one k bars back, divided by the square root of its decaying mean square ms = 0.96 × ms + 0.04 × "
         "mean². A unitless oscillator around 0; 0 while ms is 0."},
        {"UniversalOscillator", {20}, {"period: the length of the super smoother"}, {},
         "Half the two-bar change of the close, (close − the close two bars back) / 2, through a super smoother, "
         "divided by its peak magnitude, which decays by 0.991 a bar. −1 to 1; 0 while the peak is 0. A two-bar "
         "change beyond the doubles repeats the last value."},
    };
}
