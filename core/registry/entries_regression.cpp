// Registry rows of the regression indicators: least-squares lines of the close and the
// correlation of the closes with time.
#include "core/registry/families.hpp"
#include "indicators/regression/cfo.hpp"
#include "indicators/regression/correlation_trend_indicator.hpp"
#include "indicators/regression/lin_reg_angle.hpp"
#include "indicators/regression/lin_reg_intercept.hpp"
#include "indicators/regression/lin_reg_slope.hpp"
#include "indicators/regression/linear_regression.hpp"
#include "indicators/regression/r_squared.hpp"
#include "indicators/regression/standard_error.hpp"
#include "indicators/regression/tsf.hpp"
#include "indicators/regression/tsf_oscillator.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"Cfo", Cfo::create>(),
    row<"CorrelationTrendIndicator", CorrelationTrendIndicator::create>(),
    row<"LinRegAngle", LinRegAngle::create>(),
    row<"LinRegIntercept", LinRegIntercept::create>(),
    row<"LinRegSlope", LinRegSlope::create>(),
    row<"LinearRegression", LinearRegression::create>(),
    row<"RSquared", RSquared::create>(),
    row<"StandardError", StandardError::create>(),
    row<"Tsf", Tsf::create>(),
    row<"TsfOscillator", TsfOscillator::create>(),
};

}  // namespace

std::span<const BuilderRow> regression() { return kRows; }

}  // namespace prynox::registry_family
