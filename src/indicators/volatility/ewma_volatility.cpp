#include "indicators/volatility/ewma_volatility.hpp"
#include "indicators/optional_value.hpp"

#include <cmath>

namespace prynox {

std::expected<EwmaVolatility, IndicatorError> EwmaVolatility::create(double lambda) {
    if (!(std::isfinite(lambda) && lambda > 0.0 && lambda < 1.0))
        return std::unexpected(IndicatorError::invalid_parameter(kEwmaVolatilityLambdaMessage));
    return EwmaVolatility(lambda);
}

OptionalValue EwmaVolatility::update_value(double x) {
    auto r = input_.next(x);
    if (!r) return std::nullopt;
    double v = seeded_ ? variance_ * lambda_ + *r * (*r * (1.0 - lambda_)) : *r * *r;
    // A flat series legitimately gives 0; only a variance that is not finite or negative is
    // refused.
    if (!(std::isfinite(v) && v >= 0.0)) return std::nullopt;
    variance_ = v;
    seeded_ = true;
    return std::sqrt(v);
}

}  // namespace prynox
