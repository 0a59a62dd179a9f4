#include "indicators/regression/linear_regression.hpp"

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<LinearRegression, IndicatorError> LinearRegression::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kLinearRegressionPeriodMessage)) return std::unexpected(*e);
    return LinearRegression(period);
}

OptionalValue LinearRegression::update_value(double x) {
    auto line = fit_.push(x);
    if (!line) return std::nullopt;
    return finite_result(fit_.at_newest(*line));
}

}  // namespace prynox
