#pragma once
// Average gain over average loss of the last N returns: 1 for a window with neither, plus
// infinity for gains without loss.
#include <cstdint>
#include <optional>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/period_window.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/scanned_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

struct GainLossRatioFormula {
    static CheckResult check(std::uint64_t period) { return PeriodWindow::check(period); }
    OptionalValue operator()(const RollingWindow<double>& returns) const;
};

using GainLossRatio = ScannedWindow<GainLossRatioFormula>;

}  // namespace prynox
