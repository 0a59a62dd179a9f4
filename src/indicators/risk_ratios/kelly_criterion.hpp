#pragma once
// Kelly fraction of the last N returns: p - (1 - p) / b with p the share of gains and b the
// average gain over the average loss; p without a loss, -1 with losses and no gain.
#include <cstdint>
#include <optional>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/period_window.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/scanned_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

struct KellyCriterionFormula {
    static CheckResult check(std::uint64_t period) { return PeriodWindow::check(period); }
    OptionalValue operator()(const RollingWindow<double>& returns) const;
};

using KellyCriterion = ScannedWindow<KellyCriterionFormula>;

}  // namespace prynox
