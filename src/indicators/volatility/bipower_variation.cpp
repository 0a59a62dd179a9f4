#include "indicators/volatility/bipower_variation.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<BipowerVariation, IndicatorError> BipowerVariation::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (period < 2) return std::unexpected(IndicatorError::invalid_period(kBipowerVariationPeriodMessage));
    return BipowerVariation(period);
}

OptionalValue BipowerVariation::update_value(double x) {
    auto r = input_.next(x);
    if (!r) return std::nullopt;
    if (!returns_.make_room()) return std::nullopt;
    double b = b_;
    if (!returns_.empty()) {
        double term = std::fabs(*r * returns_.newest());
        b = b + term;
        nonzero_ += term != 0.0 ? 1 : 0;
        ++updates_;
    }
    if (returns_.full()) {
        // The oldest return leaves with its product with the return that followed it.
        double term = std::fabs(returns_.oldest() * returns_[1]);
        b = b - term;
        nonzero_ -= term != 0.0 ? 1 : 0;
    }
    (void)returns_.push(*r);  // room was made above
    if (updates_ >= returns_.capacity()) [[unlikely]] {
        b = -0.0;
        for (std::size_t i = 1; i < returns_.size(); ++i) b += std::fabs(returns_[i] * returns_[i - 1]);
        updates_ = 0;
    }
    b_ = b;
    if (!returns_.full()) return std::nullopt;
    if (nonzero_ == 0) return 0.0;
    return (b > 0.0 ? b : 0.0) * 1.5707963267948966;
}

}  // namespace prynox
