#pragma once
// Distance SSD: the sum of squared distances between close and reference over the last N pairs,
// each series normalised to 1 at the window's oldest pair; 0 when that pair holds an exact 0.
// A scan of the window on every bar.
#include <cstdint>
#include <expected>

#include "indicators/cores/pair_moment_window.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kDistanceSsdPeriodMessage = "distance SSD needs period >= 2";

class DistanceSsd {
public:
    // The minimum of 2 with MAX_PERIOD.
    static std::expected<DistanceSsd, IndicatorError> create(std::uint64_t period);

    // A sum that overflows gives no value.
    OptionalValue update_pair(double close, double reference);
    // N
    std::uint64_t warmup_period() const { return pairs_.capacity(); }

private:
    explicit DistanceSsd(std::uint64_t period) : pairs_(period) {}

    RollingWindow<XY> pairs_;
};

}  // namespace prynox
