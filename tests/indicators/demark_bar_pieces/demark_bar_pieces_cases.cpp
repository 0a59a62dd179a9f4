// Harness rows of the DeMark bar pieces: no parameters, so nothing to refuse; parameters given
// anyway are ignored.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(demark_bar_pieces) {
    return {
        {"TdCamouflage", {}}, {"TdClop", {}},        {"TdClopwin", {}},    {"TdDifferential", {}},
        {"TdOpen", {}},       {"TdPropulsion", {}},  {"TdTrap", {}},       {"TdTrap", {0.5, 7}},
    };
}

PRYNOX_CHECK_CASES(demark_bar_pieces) {
    return {{"TdClop", {0}, ""}, {"TdDifferential", {-1, 1e300}, ""}};
}
