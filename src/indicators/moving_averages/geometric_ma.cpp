#include "indicators/moving_averages/geometric_ma.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<GeometricMa, IndicatorError> GeometricMa::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return GeometricMa(period);
}

OptionalValue GeometricMa::update_value(double x) {
    if (!std::isfinite(x) || !(x > 0.0)) return std::nullopt;
    if (!logs_.make_room()) return std::nullopt;
    double l = std::log(x);
    if (logs_.full()) sum_ = sum_ - logs_.oldest();
    (void)logs_.push(l);  // room was made above
    sum_ = sum_ + l;
    if (++updates_ >= logs_.capacity()) {
        double s = -0.0;
        logs_.for_each([&s](double v) { s += v; });
        sum_ = s;
        updates_ = 0;
    }
    if (!logs_.full()) return std::nullopt;
    return std::exp(sum_ / n_);
}

}  // namespace prynox
