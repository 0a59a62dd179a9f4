#include "indicators/moving_averages/wma.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Wma, IndicatorError> Wma::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Wma(period);
}

Wma::Wma(std::uint64_t period)
    : ring_(period), n_(static_cast<double>(ring_.period())), divisor_((n_ + 1.0) * n_ * 0.5) {}

OptionalValue Wma::update_filling(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (ring_.full()) return update_value(x);
    if (!ring_.fill(x)) return std::nullopt;
    sum_ = sum_ + x;
    if (!ring_.full()) return std::nullopt;
    // The ring has just filled: weigh its values oldest first.
    double num = -0.0;
    double weight = 1.0;
    ring_.for_each_in_ring_order([&](double v) {
        num += weight * v;
        weight += 1.0;
    });
    numerator_ = num;
    return numerator_ / divisor_;
}

double Wma::recompute() {
    double s = -0.0;
    double num = -0.0;
    double weight = 1.0;
    ring_.for_each_in_index_order([&](double v) {
        s += v;
        num += weight * v;
        weight += 1.0;
    });
    sum_ = s;
    numerator_ = num;
    laps_ = 0;
    return num;
}

}  // namespace prynox
