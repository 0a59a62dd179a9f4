#pragma once
// Chande momentum core: 100 * (U - D) / (U + D) over the last N close-to-close changes, U the
// sum of the rises and D of the falls, kept as running sums. The rises and the falls in the
// window are counted, so that a side with none is exactly 0 even when its running sum has kept a
// rounding residue of the moves that left: a window of flat changes gives exactly 0, and one
// whose falls have all left gives 100 rather than a quotient of residues.
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
    std::uint64_t ups_ = 0;    // pairs in the window with a non-zero up
    std::uint64_t downs_ = 0;  // pairs in the window with a non-zero down
};

}  // namespace prynox
