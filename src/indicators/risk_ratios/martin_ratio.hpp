#pragma once
// Mean of the last N returns over the ulcer index of their compounded equity curve (equity
// starts at 1; percentage drawdowns under the running peak, which starts at 1); 0 without a
// drawdown.
#include <cstdint>
#include <optional>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/scanned_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kMartinRatioPeriodMessage = "martin ratio needs period >= 2";

struct MartinRatioFormula {
    static CheckResult check(std::uint64_t period) { return check_minimum(period, 2, kMartinRatioPeriodMessage); }
    OptionalValue operator()(const RollingWindow<double>& returns) const;
};

using MartinRatio = ScannedWindow<MartinRatioFormula>;

}  // namespace prynox
