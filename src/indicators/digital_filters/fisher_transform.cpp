#include "indicators/digital_filters/fisher_transform.hpp"

#include "indicators/cores/carried_window.hpp"
#include "indicators/cores/fused.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<FisherTransform, IndicatorError> FisherTransform::create(std::uint64_t period) {
    // The carried-window constructor's check; its previous value (absent) and running value
    // (0.0) start the smoothing, and only the window's extremes are kept.
    if (auto e = CarriedWindow::check(period)) return std::unexpected(*e);
    return FisherTransform(period);
}

OptionalValue FisherTransform::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.push(x)) [[unlikely]]
        return std::nullopt;
    if (!window_.full()) return std::nullopt;
    const double hi = window_.max(), lo = window_.min();
    double range = hi - lo;
    double n = range > 0.0 ? fused_multiply_add(2.0, (x - lo) / range, -1.0) : 0.0;
    // A placement beyond the largest double gives no value and leaves the smoothing as it was;
    // the window moves on regardless, so the huge closes leave it like any other.
    if (!std::isfinite(n)) [[unlikely]]
        return std::nullopt;
    double v = fused_multiply_add(0.33, n, 0.67 * v_);
    v = v < -kLimit ? -kLimit : (v > kLimit ? kLimit : v);
    double value = 0.5 * std::log((1.0 + v) / (1.0 - v)) + 0.5 * (last_ ? *last_ : 0.0);
    v_ = v;
    last_ = value;
    return value;
}

}  // namespace prynox
