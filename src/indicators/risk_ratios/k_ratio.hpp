#pragma once
// Slope of the least-squares line through the cumulative sums of the last N returns (against
// 1 .. N) over its standard error; 0 when the line fits exactly, a constant window included.
#include <cstdint>
#include <optional>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/scanned_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kKRatioPeriodMessage = "k-ratio needs period >= 3";

struct KRatioFormula {
    static CheckResult check(std::uint64_t period) { return check_minimum(period, 3, kKRatioPeriodMessage); }
    OptionalValue operator()(const RollingWindow<double>& returns) const;
};

using KRatio = ScannedWindow<KRatioFormula>;

}  // namespace prynox
