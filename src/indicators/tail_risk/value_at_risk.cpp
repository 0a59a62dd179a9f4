#include "indicators/tail_risk/value_at_risk.hpp"

#include <cmath>

#include "indicators/invariant.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<ValueAtRisk, IndicatorError> ValueAtRisk::create(std::uint64_t period, double confidence) {
    if (auto e = check_minimum(period, 2, kValueAtRiskPeriodMessage)) return std::unexpected(*e);
    if (auto e = check_confidence(confidence)) return std::unexpected(*e);
    return ValueAtRisk(period, confidence);
}

ValueAtRisk::ValueAtRisk(std::uint64_t period, double confidence) : window_(period) {
    double h = (1.0 - confidence) * static_cast<double>(period - 1);
    double lo = std::floor(h);
    lo_ = static_cast<std::size_t>(saturating_u64(lo));
    hi_ = static_cast<std::size_t>(saturating_u64(std::ceil(h)));
    fraction_ = h - lo;
    require(hi_ < period, "the quantile lies inside the window");
}

OptionalValue ValueAtRisk::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.push(x)) return std::nullopt;
    if (!window_.full()) return std::nullopt;
    auto v = window_.sorted();
    double q = lo_ == hi_ ? v[lo_] : v[lo_] + fraction_ * (v[hi_] - v[lo_]);
    if (!std::isfinite(q)) return std::nullopt;
    double loss = -q;
    return loss > 0.0 ? loss : 0.0;  // +0.0 when the quantile is no loss
}

}  // namespace prynox
