#include "indicators/regression/lin_reg_angle.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

namespace {
constexpr double kDegreesPerRadian = 57.29577951308232;
}

std::expected<LinRegAngle, IndicatorError> LinRegAngle::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kLinRegSlopePeriodMessage)) return std::unexpected(*e);
    return LinRegAngle(period);
}

OptionalValue LinRegAngle::update_value(double x) {
    auto line = fit_.push(x);
    if (!line) return std::nullopt;
    return finite_result(std::atan(line->slope) * kDegreesPerRadian);
}

}  // namespace prynox
