// What the market breadth types compute. They read a market's cross-section (one entry per
// instrument: its change, volume and flags), which a run never carries.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(market_breadth) {
    return {
        {"AbsoluteBreadthIndex", {}, {}, {},
         "abs(advancing − declining) over the cross-section's entries, an entry advancing on a positive change and "
         "declining on a negative one. A run carries no cross-section, so in a run it never gives a value."},
        {"AdVolumeLine", {}, {}, {},
         "The running total, from 0, of the advancing entries' volume less the declining entries' volume. A run "
         "carries no cross-section, so in a run it never gives a value."},
        {"AdvanceDecline", {}, {}, {},
         "The advance-decline line: the running total, from 0, of advancing less declining entries. A run carries no "
         "cross-section, so in a run it never gives a value."},
        {"AdvanceDeclineRatio", {}, {}, {},
         "Advancing entries over max(declining entries, 1). A run carries no cross-section, so in a run it never "
         "gives a value."},
        {"BreadthThrust", {10}, {"period: the EMA length n, in cross-sections"}, {},
         "The exponential average of advancing / max(advancing + declining, 1), 0..1, alpha = 2/(n + 1), seeded with "
         "the mean of the first n shares. A run carries no cross-section, so in a run it never gives a value."},
        {"BullishPercentIndex", {}, {}, {},
         "100 × the entries flagged bullish / all entries, a percentage (NaN for an empty list). A run carries no "
         "cross-section, so in a run it never gives a value."},
        {"CumulativeVolumeIndex", {}, {}, {},
         "The same computation as `AdVolumeLine`: the running total of advancing less declining volume. A run "
         "carries no cross-section, so in a run it never gives a value."},
        {"HighLowIndex", {10}, {"period: the number of cross-sections averaged (n)"}, {},
         "The simple mean over the last n cross-sections of 100 × new highs / max(new highs + new lows, 1), 0..100. "
         "A run carries no cross-section, so in a run it never gives a value."},
        {"McClellanOscillator", {}, {}, {},
         "The fast less the slow average of the net advance ratio 1000 × (advancing − declining) / max(advancing + "
         "declining, 1): A + 0.1 × (x − A) and A + 0.05 × (x − A), both starting at the first ratio (so the first "
         "value is 0). A run carries no cross-section, so in a run it never gives a value."},
        {"McClellanSummationIndex", {}, {}, {},
         "The running total of its own `McClellanOscillator`. A run carries no cross-section, so in a run it never "
         "gives a value."},
        {"NewHighsNewLows", {}, {}, {},
         "Entries at a new high less entries at a new low. A run carries no cross-section, so in a run it never gives "
         "a value."},
        {"PercentAboveMa", {}, {}, {},
         "100 × the entries flagged above their average / all entries, a percentage (NaN for an empty list). A run "
         "carries no cross-section, so in a run it never gives a value."},
        {"TickIndex", {}, {}, {},
         "Advancing less declining entries of the one cross-section. A run carries no cross-section, so in a run it "
         "never gives a value."},
        {"Trin", {}, {}, {},
         "The Arms index: (advancing / max(declining, 1)) / (max(advancing volume, 1) / max(declining volume, 1)). A "
         "run carries no cross-section, so in a run it never gives a value."},
        {"UpDownVolumeRatio", {}, {}, {},
         "Advancing volume over max(declining volume, 1). A run carries no cross-section, so in a run it never gives "
         "a value."},
    };
}
