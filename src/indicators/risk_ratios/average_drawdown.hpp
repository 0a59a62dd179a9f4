#pragma once
// Mean depth of the drawdown episodes of the last N levels (see drawdown_episodes.hpp; the
// running peak starts below every level); 0 when no episode counts.
#include <cstdint>
#include <optional>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/period_window.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/scanned_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

struct AverageDrawdownFormula {
    static CheckResult check(std::uint64_t period) { return PeriodWindow::check(period); }
    OptionalValue operator()(const RollingWindow<double>& levels) const;
};

using AverageDrawdown = ScannedWindow<AverageDrawdownFormula>;

}  // namespace prynox
