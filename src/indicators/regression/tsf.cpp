#include "indicators/regression/tsf.hpp"

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Tsf, IndicatorError> Tsf::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kTsfPeriodMessage)) return std::unexpected(*e);
    return Tsf(period);
}

OptionalValue Tsf::update_value(double x) {
    auto line = fit_.push(x);
    if (!line) return std::nullopt;
    return finite_result(fit_.forecast(*line));
}

}  // namespace prynox
