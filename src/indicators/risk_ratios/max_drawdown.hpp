#pragma once
// Largest relative drawdown (peak - v) / peak of the last N levels under the running peak from
// the start of the window; levels under a peak <= 0 count for nothing; 0 without a drawdown.
#include <cstdint>
#include <optional>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/scanned_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

struct MaxDrawdownFormula {
    static CheckResult check(std::uint64_t period) { return check_window(period); }
    OptionalValue operator()(const RollingWindow<double>& levels) const;
};

using MaxDrawdown = ScannedWindow<MaxDrawdownFormula>;

}  // namespace prynox
