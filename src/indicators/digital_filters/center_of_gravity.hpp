#pragma once
// Centre of gravity: (period + 1) / 2 minus the position-weighted mean of the last `period`
// closes, weight 1 on the newest and `period` on the oldest.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class CenterOfGravity {
public:
    // Window check on the period.
    static std::expected<CenterOfGravity, IndicatorError> create(std::uint64_t period);

    // 0 while the closes sum to (nearly) zero, and 0 exactly for a window of one repeated close,
    // where the sums would leave a rounding residue. Sums that overflow give no value where the
    // value reads them.
    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }
    // Slots the window has allocated (it grows with the closes seen).
    std::size_t storage() const { return window_.storage(); }

private:
    explicit CenterOfGravity(std::uint64_t period)
        : window_(period), centre_((static_cast<double>(period) + 1.0) / 2.0) {}

    static constexpr double kSmallestSum = 2.220446049250313e-16;

    RollingWindow<double> window_;
    double centre_;             // (period + 1) / 2
    std::uint64_t equal_run_ = 0;  // newest closes bit-identical to the newest, saturating
};

}  // namespace prynox
