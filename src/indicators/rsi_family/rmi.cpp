#include "indicators/rsi_family/rmi.hpp"

#include <cmath>

#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Rmi, IndicatorError> Rmi::create(std::uint64_t period, std::uint64_t momentum) {
    if (period == 0 || momentum == 0) return std::unexpected(IndicatorError::zero_period());
    return Rmi(period, momentum);
}

std::uint64_t Rmi::warmup_period() const { return sat_add(period_, closes_.capacity()); }

OptionalValue Rmi::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!closes_.full()) {
        if (!closes_.push(x)) return std::nullopt;
        return std::nullopt;
    }
    // Worked out first and stored only when finite: a change or an average that overflows gives
    // no value and leaves the averages as they were. The close enters the window either way, so
    // that the later changes are measured against it.
    double c = x - closes_.oldest();
    (void)closes_.push(x);  // full: replaces the oldest, never allocates
    if (!std::isfinite(c)) return std::nullopt;
    double gain = c > 0.0 ? c : 0.0;
    double loss = -c > 0.0 ? -c : 0.0;  // the same test as the gain's: no branch on the sign
    auto step = averages_.next(gain, loss, [n = n_](double average, double v) { return (v + average * (n - 1.0)) / n; });
    if (!step.finite()) return std::nullopt;
    return averages_.commit(step);
}

}  // namespace prynox
