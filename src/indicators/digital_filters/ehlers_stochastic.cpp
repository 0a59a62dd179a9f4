#include "indicators/digital_filters/ehlers_stochastic.hpp"

#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<EhlersStochastic, IndicatorError> EhlersStochastic::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return EhlersStochastic(period);
}

OptionalValue EhlersStochastic::update_value(double x) {
    if (!window_.make_room()) [[unlikely]]
        return std::nullopt;
    auto roofed = roofing_.update_value(x);
    if (!roofed) return std::nullopt;
    double r = *roofed;
    (void)window_.push(r);  // room was made
    if (!window_.full()) return std::nullopt;
    const double hi = window_.max(), lo = window_.min();
    double range = hi - lo;
    double s = range > 0.0 ? (2.0 * (r - lo)) / range - 1.0 : 0.0;
    // A placement beyond the largest double gives no value and is not kept; the window moves
    // on regardless, so the huge values leave it like any other.
    if (!std::isfinite(s)) [[unlikely]]
        return std::nullopt;
    double value = previous_ ? midpoint(s, *previous_) : s;
    previous_ = s;
    return value;
}

}  // namespace prynox
