#include "indicators/moving_averages/median_ma.hpp"

#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<MedianMa, IndicatorError> MedianMa::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return MedianMa(period);
}

OptionalValue MedianMa::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.push(x)) return std::nullopt;
    if (!window_.full()) return std::nullopt;
    auto sorted = window_.sorted();
    std::size_t n = sorted.size();
    double value = n % 2 == 1 ? sorted[n / 2] : midpoint(sorted[n / 2 - 1], sorted[n / 2]);
    last_ = value;
    return value;
}

}  // namespace prynox
