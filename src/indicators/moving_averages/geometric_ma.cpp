#include "indicators/moving_averages/geometric_ma.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<GeometricMa, IndicatorError> GeometricMa::create(std::uint64_t period) {
    auto logs = ResummedWindow::create(period);
    if (!logs) return std::unexpected(logs.error());
    return GeometricMa(std::move(*logs));
}

OptionalValue GeometricMa::update_value(double x) {
    if (!std::isfinite(x) || !(x > 0.0)) return std::nullopt;
    // The log of a positive finite close is finite, and so is any sum of N of them: the window
    // refuses a close only when its storage cannot grow.
    if (!logs_.push(std::log(x))) return std::nullopt;
    if (!logs_.full()) return std::nullopt;
    return std::exp(logs_.sum() / n_);
}

}  // namespace prynox
