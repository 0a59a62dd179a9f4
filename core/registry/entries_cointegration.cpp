// Registry rows of the cointegration and causality models: small econometric fits of the close
// against the reference series, refitted over a window or filtered recursively.
#include "core/registry/families.hpp"
#include "indicators/cointegration/cointegration.hpp"
#include "indicators/cointegration/granger_causality.hpp"
#include "indicators/cointegration/hasbrouck_information_share.hpp"
#include "indicators/cointegration/kalman_hedge_ratio.hpp"
#include "indicators/cointegration/lead_lag_cross_correlation.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"Cointegration", Cointegration::create>(),
    row<"GrangerCausality", GrangerCausality::create>(),
    row<"HasbrouckInformationShare", HasbrouckInformationShare::create>(),
    row<"KalmanHedgeRatio", KalmanHedgeRatio::create>(),
    row<"LeadLagCrossCorrelation", LeadLagCrossCorrelation::create>(),
};

}  // namespace

std::span<const BuilderRow> cointegration() { return kRows; }

}  // namespace prynox::registry_family
