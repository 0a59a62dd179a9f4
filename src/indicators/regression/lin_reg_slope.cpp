#include "indicators/regression/lin_reg_slope.hpp"

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<LinRegSlope, IndicatorError> LinRegSlope::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kLinRegSlopePeriodMessage)) return std::unexpected(*e);
    return LinRegSlope(period);
}

OptionalValue LinRegSlope::update_value(double x) {
    auto line = fit_.push(x);
    if (!line) return std::nullopt;
    return finite_result(line->slope);
}

}  // namespace prynox
