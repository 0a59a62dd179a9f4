#pragma once
// Mean of the last N returns over the mean depth of the drawdown episodes of their compounded
// equity curve (starting at 1); 0 without an episode.
#include <cstdint>
#include <optional>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/scanned_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kSterlingRatioPeriodMessage = "sterling ratio needs period >= 2";

struct SterlingRatioFormula {
    static CheckResult check(std::uint64_t period) {
        return check_minimum(period, 2, kSterlingRatioPeriodMessage);
    }
    OptionalValue operator()(const RollingWindow<double>& returns) const;
};

using SterlingRatio = ScannedWindow<SterlingRatioFormula>;

}  // namespace prynox
