#include "indicators/regression/lin_reg_intercept.hpp"

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<LinRegIntercept, IndicatorError> LinRegIntercept::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kLinRegInterceptPeriodMessage)) return std::unexpected(*e);
    return LinRegIntercept(period);
}

OptionalValue LinRegIntercept::update_value(double x) {
    auto line = fit_.push(x);
    if (!line) return std::nullopt;
    return finite_result(line->intercept);
}

}  // namespace prynox
