#include "indicators/regression/cfo.hpp"

#include <cmath>

#include "indicators/regression/linear_regression.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Cfo, IndicatorError> Cfo::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (period < 2) return std::unexpected(IndicatorError::invalid_period(kLinearRegressionPeriodMessage));
    return Cfo(period);
}

OptionalValue Cfo::update_value(double x) {
    auto line = fit_.push(x);
    if (!line) return std::nullopt;
    return percent_from_close(x, fit_.at_newest(*line), last_);
}

OptionalValue percent_from_close(double x, double reference, OptionalValue& last) {
    if (x == 0.0) return last;
    double value = ((x - reference) * 100.0) / x;
    if (!std::isfinite(value)) [[unlikely]]
        return std::nullopt;
    last = value;
    return value;
}

}  // namespace prynox
