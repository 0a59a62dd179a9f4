#include "indicators/moving_averages/mcginley_dynamic.hpp"

#include "indicators/cores/carried_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<McGinleyDynamic, IndicatorError> McGinleyDynamic::create(std::uint64_t period) {
    if (auto e = CarriedWindow::check(period)) return std::unexpected(*e);
    return McGinleyDynamic(period);
}

OptionalValue McGinleyDynamic::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (value_) {
        double previous = *value_;
        if (x <= 0.0 || previous <= 0.0) return previous;
        double r = x / previous;
        double next = previous + (x - previous) / (((r * r) * (r * r)) * (n_ * 0.6));
        // A ratio so far from 1 that the divisor underflows to 0 or overflows would poison the
        // average: the bar is skipped instead.
        if (!std::isfinite(next)) return std::nullopt;
        value_ = next;
        return value_;
    }
    value_ = seed_.add(x, period_, n_);
    return value_;
}

}  // namespace prynox
