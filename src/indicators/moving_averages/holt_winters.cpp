#include "indicators/moving_averages/holt_winters.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<HoltWinters, IndicatorError> HoltWinters::create(double alpha, double beta) {
    if (!(std::isfinite(alpha) && alpha > 0.0) || alpha > 1.0)
        return std::unexpected(IndicatorError::invalid_period(kHoltWintersAlphaMessage));
    if (!(std::isfinite(beta) && beta > 0.0 && beta <= 1.0))
        return std::unexpected(IndicatorError::invalid_period(kHoltWintersBetaMessage));
    return HoltWinters(alpha, beta);
}

OptionalValue HoltWinters::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!first_) {
        first_ = x;
        return std::nullopt;
    }
    if (!level_) {
        double trend = x - *first_;
        double value = x + trend;
        if (!std::isfinite(value)) return std::nullopt;  // see below
        level_ = x;
        trend_ = trend;
        return value;
    }
    double level = alpha_ * x + (1.0 - alpha_) * (*level_ + trend_);
    double trend = trend_ * (1.0 - beta_) + beta_ * (level - *level_);
    double value = level + trend;
    // A level or trend pushed beyond the largest double would stay there: skip the bar.
    if (!std::isfinite(value)) return std::nullopt;
    level_ = level;
    trend_ = trend;
    return value;
}

}  // namespace prynox
