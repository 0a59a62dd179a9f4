// What the price-profile levels and the rounded formations compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(price_profile) {
    return {
        {"DumplingTop", {20},
         {"period: the number of closes in the window (at least 5)"},
         {},
         "A rounded top over the last `period` closes: −1 when the highest close (its first occurrence) lies in "
         "the middle half of the window (from position period / 4, rounded down, up to period − period / 4, "
         "excluded, 0 being the oldest) and the current close is below both that high and the oldest close of the "
         "window, else 0."},
        {"FryPanBottom", {20},
         {"period: the number of closes in the window (at least 5)"},
         {},
         "A rounded bottom over the last `period` closes: +1 when the lowest close (its first occurrence) lies in "
         "the middle half of the window (from position period / 4, rounded down, up to period − period / 4, "
         "excluded, 0 being the oldest) and the current close is above both that low and the oldest close of the "
         "window, else 0."},
        {"NakedPoc", {20, 24},
         {"period: the number of bars in each profile block", "bins: the number of equal price bins of a profile"},
         {},
         "The bars are taken in consecutive blocks of `period`; each completed block leaves its volume point of "
         "control over `bins` bins (the lowest fullest bin's centre, or the block's low when it has no range) as a "
         "level, which is removed once a later bar's high-low range covers it. The value is the remaining level "
         "nearest to the close (the older one on a tie), or the close itself when none remains; a price level."},
        {"ProfileShape", {20, 24},
         {"period: the number of bars in the profile", "bins: the number of equal price bins (at least 3)"},
         {},
         "Where the volume point of control of the last `period` bars (each bar's volume spread evenly over the "
         "bins from its low to its high) lies among the bins: −1 in the lowest `bins` / 3 (rounded down), +1 in "
         "the highest `bins` / 3, 0 between. A window without range or without volume gives −1."},
        {"SinglePrints", {20, 24},
         {"period: the number of bars in the window", "bins: the number of equal price bins"},
         {},
         "The number of bins, among `bins` equal ones from the window's lowest low to its highest high, that "
         "exactly one of the last `period` bars covers with its high-low range (a count, 0 to `bins`); volume "
         "plays no part. A window without range gives 0."},
    };
}
