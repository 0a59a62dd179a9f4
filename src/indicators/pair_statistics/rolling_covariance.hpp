#pragma once
// Rolling covariance: the population covariance of the last N first differences of close and
// reference (the first pair only seeds them).
#include <cstdint>
#include <expected>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/pair_changes.hpp"
#include "indicators/cores/pair_moment_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kRollingCovariancePeriodMessage = "rolling covariance needs period >= 2";

class RollingCovariance {
public:
    // The minimum of 2 with MAX_PERIOD.
    static std::expected<RollingCovariance, IndicatorError> create(std::uint64_t period);

    OptionalValue update_pair(double close, double reference);
    // N + 1
    std::uint64_t warmup_period() const { return sat_add(window_.period(), 1); }

private:
    explicit RollingCovariance(std::uint64_t period) : window_(period) {}

    PairMomentWindow window_;
    PairChanges changes_;
};

}  // namespace prynox
