#pragma once
// Sum of the gains over sum of the losses of the last N returns: 1 for a window with neither,
// plus infinity for gains without loss.
#include <cstdint>
#include <optional>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/period_window.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/scanned_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

struct ProfitFactorFormula {
    static CheckResult check(std::uint64_t period) { return PeriodWindow::check(period); }
    OptionalValue operator()(const RollingWindow<double>& returns) const;
};

using ProfitFactor = ScannedWindow<ProfitFactorFormula>;

}  // namespace prynox
