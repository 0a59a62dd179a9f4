#pragma once
// Gains over losses of the last N returns measured from a threshold (d = r - threshold; d >= 0
// is a gain, d < 0 a loss): 1 for a window with neither, plus infinity for gains without loss.
#include <cstdint>
#include <optional>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/scanned_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

struct OmegaRatioFormula {
    double threshold = 0.0;  // not checked (the registry reads it finite)

    static CheckResult check(std::uint64_t period) { return check_window(period); }
    OptionalValue operator()(const RollingWindow<double>& returns) const;
};

using OmegaRatio = ScannedWindow<OmegaRatioFormula>;

}  // namespace prynox
