#pragma once
// Chande momentum core: 100 * (U - D) / (U + D) over the last N close-to-close changes, U the
// sum of the rises and D of the falls, kept as running sums. The count of non-zero changes in
// the window is tracked so that a window of flat changes gives exactly 0 even when the running
// sums have kept a rounding residue.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>
#include <utility>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Cmo {
public:
    // Window check on the period.
    static std::expected<Cmo, IndicatorError> create(std::uint64_t period);
    explicit Cmo(std::uint64_t period) : changes_(period) {}

    OptionalValue update_value(double x);

    std::uint64_t period() const { return changes_.capacity(); }
    // The first input only primes the previous close.
    std::uint64_t warmup_period() const { return sat_add(changes_.capacity(), 1); }

private:
    RollingWindow<std::pair<double, double>> changes_;  // (up, down)
    double up_sum_ = 0.0;
    double down_sum_ = 0.0;
    double previous_ = 0.0;
    bool has_previous_ = false;
    std::uint64_t nonzero_ = 0;  // pairs in the window with a non-zero up or down
};

}  // namespace prynox
