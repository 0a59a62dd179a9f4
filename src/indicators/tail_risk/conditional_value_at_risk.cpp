#include "indicators/tail_risk/conditional_value_at_risk.hpp"

#include <cmath>

#include "indicators/invariant.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<ConditionalValueAtRisk, IndicatorError> ConditionalValueAtRisk::create(std::uint64_t period,
                                                                                     double confidence) {
    if (auto e = check_minimum(period, 2, kConditionalValueAtRiskPeriodMessage)) return std::unexpected(*e);
    if (auto e = check_confidence(confidence)) return std::unexpected(*e);
    return ConditionalValueAtRisk(period, confidence);
}

ConditionalValueAtRisk::ConditionalValueAtRisk(std::uint64_t period, double confidence) : window_(period) {
    // In floating point, 1 - c first: c = 0.9 over 20 values gives 1.9999999999999996, so k = 1.
    double k = std::floor((1.0 - confidence) * static_cast<double>(period));
    k_ = static_cast<std::size_t>(saturating_u64(k));
    if (k_ == 0) k_ = 1;
    require(k_ <= period, "the tail lies inside the window");
    k_real_ = static_cast<double>(k_);
}

OptionalValue ConditionalValueAtRisk::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.push(x)) return std::nullopt;
    if (!window_.full()) return std::nullopt;
    auto v = window_.sorted();
    double sum = -0.0;
    for (std::size_t i = 0; i < k_; ++i) sum += v[i];
    double mean = sum / k_real_;
    if (!std::isfinite(mean)) return std::nullopt;
    double loss = -mean;
    return loss > 0.0 ? loss : 0.0;  // +0.0 when the tail is no loss
}

}  // namespace prynox
