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

const BuilderRow kRows[] = {
    {"Cfo", [](const ParamValues& p) { return box_close(Cfo::create(p.window(0))); }},
    {"CorrelationTrendIndicator",
     [](const ParamValues& p) { return box_close(CorrelationTrendIndicator::create(p.window(0))); }},
    {"LinRegAngle", [](const ParamValues& p) { return box_close(LinRegAngle::create(p.window(0))); }},
    {"LinRegIntercept", [](const ParamValues& p) { return box_close(LinRegIntercept::create(p.window(0))); }},
    {"LinRegSlope", [](const ParamValues& p) { return box_close(LinRegSlope::create(p.window(0))); }},
    {"LinearRegression", [](const ParamValues& p) { return box_close(LinearRegression::create(p.window(0))); }},
    {"RSquared", [](const ParamValues& p) { return box_close(RSquared::create(p.window(0))); }},
    {"StandardError", [](const ParamValues& p) { return box_close(StandardError::create(p.window(0))); }},
    {"Tsf", [](const ParamValues& p) { return box_close(Tsf::create(p.window(0))); }},
    {"TsfOscillator", [](const ParamValues& p) { return box_close(TsfOscillator::create(p.window(0))); }},
};

}  // namespace

std::span<const BuilderRow> regression() { return kRows; }

}  // namespace prynox::registry_family
