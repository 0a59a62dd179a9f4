#include "indicators/digital_filters/center_of_gravity.hpp"

#include <bit>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<CenterOfGravity, IndicatorError> CenterOfGravity::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return CenterOfGravity(period);
}

OptionalValue CenterOfGravity::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    bool repeats = !window_.empty() && std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(window_.newest());
    if (!window_.push(x)) [[unlikely]]
        return std::nullopt;
    equal_run_ = repeats ? sat_add(equal_run_, 1) : 1;
    if (!window_.full()) return std::nullopt;
    if (equal_run_ >= window_.capacity()) return 0.0;
    // Newest (weight 1) to oldest.
    double num = 0.0;
    double den = 0.0;
    std::size_t n = window_.size();
    for (std::size_t k = 0; k < n; ++k) {
        double c = window_.back(k);
        num += static_cast<double>(k + 1) * c;
        den += c;
    }
    // Sums beyond the largest double give no value for this bar where the value reads them; the
    // window moves on regardless, so the huge closes leave it like any other. Closes that sum to
    // (nearly) zero give 0 whatever their weighted sum.
    if (!std::isfinite(den)) [[unlikely]]
        return std::nullopt;
    if (!(std::fabs(den) > kSmallestSum)) return 0.0;
    if (!std::isfinite(num)) [[unlikely]]
        return std::nullopt;
    return centre_ - num / den;
}

}  // namespace prynox
