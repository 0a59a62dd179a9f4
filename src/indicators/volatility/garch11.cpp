#include "indicators/volatility/garch11.hpp"
#include "indicators/optional_value.hpp"

#include <cmath>

namespace prynox {

std::expected<Garch11, IndicatorError> Garch11::create(double omega, double alpha, double beta) {
    if (!(std::isfinite(omega) && std::isfinite(alpha) && std::isfinite(beta)))
        return std::unexpected(IndicatorError::invalid_parameter(kGarchFiniteMessage));
    if (omega <= 0.0) return std::unexpected(IndicatorError::invalid_parameter(kGarchOmegaMessage));
    if (alpha < 0.0 || beta < 0.0) return std::unexpected(IndicatorError::invalid_parameter(kGarchNonNegativeMessage));
    if (alpha + beta >= 1.0) return std::unexpected(IndicatorError::invalid_parameter(kGarchStationarityMessage));
    return Garch11(omega, alpha, beta);
}

OptionalValue Garch11::update_value(double x) {
    auto r = input_.next(x);
    if (!r) return std::nullopt;
    double v = started_ ? (omega_ + alpha_ * previous_square_) + beta_ * variance_ : long_run_;
    if (!(std::isfinite(v) && v > 0.0)) return std::nullopt;
    variance_ = v;
    previous_square_ = *r * *r;
    started_ = true;
    return std::sqrt(v);
}

}  // namespace prynox
