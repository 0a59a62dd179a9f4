#include "indicators/moving_averages/vidya.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Vidya, IndicatorError> Vidya::create(std::uint64_t alpha_period, std::uint64_t cmo_period) {
    if (alpha_period == 0 || cmo_period == 0) return std::unexpected(IndicatorError::zero_period());
    if (auto e = check_max_period(cmo_period)) return std::unexpected(*e);
    return Vidya(alpha_period, cmo_period);
}

OptionalValue Vidya::update_value(double x) {
    auto cmo = cmo_.update_value(x);  // rejects a non-finite x itself
    if (!cmo) return std::nullopt;
    double k = std::fabs(*cmo) / 100.0 * alpha_;
    double previous = last_ ? *last_ : x;
    double value = x * k + (1.0 - k) * previous;
    last_ = value;
    return value;
}

}  // namespace prynox
