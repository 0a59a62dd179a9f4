#pragma once
// Mean relative drawdown of the last N levels: the sum of (peak - v) / peak under the running
// peak from the start of the window (levels under a peak <= 0 add nothing), divided by N.
#include <cstdint>
#include <optional>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/period_window.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/scanned_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

struct PainIndexFormula {
    static CheckResult check(std::uint64_t period) { return PeriodWindow::check(period); }
    OptionalValue operator()(const RollingWindow<double>& levels) const;
};

using PainIndex = ScannedWindow<PainIndexFormula>;

}  // namespace prynox
