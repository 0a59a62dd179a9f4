#include "indicators/moving_averages/smma.hpp"

#include "indicators/cores/carried_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Smma, IndicatorError> Smma::create(std::uint64_t period) {
    if (auto e = CarriedWindow::check(period)) return std::unexpected(*e);
    return Smma(period);
}

OptionalValue Smma::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (value_) {
        double next = (x + *value_ * n_minus_1_) / n_;
        // A step that overflows would poison every later value: it is skipped instead.
        if (!std::isfinite(next)) return std::nullopt;
        value_ = next;
        return value_;
    }
    value_ = seed_.add(x, period_, n_);
    return value_;
}

}  // namespace prynox
