#pragma once
// The correlation of two series from their floored population variances and covariance:
// cov / sqrt(var_x var_y) clamped to [-1, 1], 0 when the product is 0. A product that overflows
// gives no value: the quotient by its infinite root would read as 0, no correlation.
#include <algorithm>
#include <cmath>

#include "indicators/optional_value.hpp"

namespace prynox {

inline OptionalValue correlation_of(double var_x, double var_y, double cov) {
    double p = var_x * var_y;
    if (p == 0.0) return 0.0;
    if (!std::isfinite(p)) [[unlikely]]
        return std::nullopt;
    return std::clamp(cov / std::sqrt(p), -1.0, 1.0);
}

}  // namespace prynox
