#include "indicators/moving_averages/sma.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Sma, IndicatorError> Sma::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Sma(period);
}

Sma::Sma(std::uint64_t period)
    : ring_(period), n_(static_cast<double>(ring_.period())), resum_interval_(sat_mul(16, ring_.period())) {}

OptionalValue Sma::update_filling(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (ring_.full()) return update_value(x);
    if (!ring_.fill(x)) return std::nullopt;
    sum_ = x + sum_;
    if (++updates_ >= resum_interval_) resum();
    if (!ring_.full()) return std::nullopt;
    return sum_ / n_;
}

double Sma::resum() {
    double s = -0.0;
    ring_.for_each_in_ring_order([&s](double v) { s += v; });
    sum_ = s;
    updates_ = 0;
    return s;
}

}  // namespace prynox
