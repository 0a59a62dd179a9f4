#include "indicators/cointegration/kalman_hedge_ratio.hpp"

#include <cmath>

namespace prynox {

std::expected<KalmanHedgeRatio, IndicatorError> KalmanHedgeRatio::create(double delta, double observation_var) {
    if (!(std::isfinite(delta) && delta > 0.0) || delta >= 1.0)
        return std::unexpected(IndicatorError::invalid_parameter(kKalmanDeltaMessage));
    if (!(std::isfinite(observation_var) && observation_var > 0.0))
        return std::unexpected(IndicatorError::invalid_parameter(kKalmanObservationVarMessage));
    return KalmanHedgeRatio(delta, observation_var);
}

bool KalmanHedgeRatio::update_pair(double close, double reference, std::array<double, 3>& out) {
    const double x = reference, y = close;
    // Prediction: random-walk noise on both coefficients, from the second bar on.
    double p00 = p00_, p01 = p01_, p10 = p10_, p11 = p11_;
    if (updates_ != 0) {
        p00 += q_;
        p11 += q_;
    }
    const double s = r_ + p00 * x * x + (p01 + p10) * x + p11;
    if (!(std::isfinite(s) && s > 0.0)) [[unlikely]]
        return false;
    const double k0 = (p00 * x + p01) / s, k1 = (p10 * x + p11) / s;
    const double e = y - (hedge_ratio_ * x + intercept_);
    const double hedge_ratio = hedge_ratio_ + k0 * e, intercept = intercept_ + k1 * e;
    const double g0 = x * p00 + p10, g1 = x * p01 + p11;
    const double n00 = p00 - k0 * g0, n01 = p01 - k0 * g1, n10 = p10 - k1 * g0, n11 = p11 - k1 * g1;
    if (!(std::isfinite(hedge_ratio) && std::isfinite(intercept) && std::isfinite(n00) && std::isfinite(n01) &&
          std::isfinite(n10) && std::isfinite(n11) && std::isfinite(e))) [[unlikely]]
        return false;
    hedge_ratio_ = hedge_ratio;
    intercept_ = intercept;
    p00_ = n00, p01_ = n01, p10_ = n10, p11_ = n11;
    ++updates_;
    out = {hedge_ratio, intercept, e};
    return true;
}

}  // namespace prynox
