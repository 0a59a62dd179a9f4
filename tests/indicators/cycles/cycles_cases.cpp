// Harness rows of the family: how each type is built for the shared property checks.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(cycles) {
    return {
        {"AdaptiveCycle", {}},
        {"AutocorrelationPeriodogram", {10, 48}},
        {"HilbertDominantCycle", {}},
        {"HtDcPhase", {}},
        {"HtTrendMode", {}},
        {"SineWave", {}},
    };
}
