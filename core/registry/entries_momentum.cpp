// Registry rows of the momentum and rate-of-change types of the close.
#include "core/registry/families.hpp"
#include "indicators/momentum/coppock.hpp"
#include "indicators/momentum/disparity_index.hpp"
#include "indicators/momentum/dpo.hpp"
#include "indicators/momentum/log_return.hpp"
#include "indicators/momentum/mom.hpp"
#include "indicators/momentum/percent_b.hpp"
#include "indicators/momentum/pmo.hpp"
#include "indicators/momentum/polarized_fractal_efficiency.hpp"
#include "indicators/momentum/roc.hpp"
#include "indicators/momentum/rocp.hpp"
#include "indicators/momentum/rocr.hpp"
#include "indicators/momentum/rocr100.hpp"
#include "indicators/momentum/tii.hpp"
#include "indicators/momentum/vertical_horizontal_filter.hpp"
#include "indicators/momentum/wave_pm.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"BollingerBandwidth", BollingerBandwidth::create>(),
    row<"Coppock", Coppock::create>(),
    row<"DisparityIndex", DisparityIndex::create>(),
    row<"Dpo", Dpo::create>(),
    row<"LogReturn", LogReturn::create>(),
    row<"Mom", Mom::create>(),
    row<"PercentB", PercentB::create>(),
    row<"Pmo", Pmo::create>(),
    row<"PolarizedFractalEfficiency", PolarizedFractalEfficiency::create>(),
    row<"Roc", Roc::create>(),
    row<"Rocp", Rocp::create>(),
    row<"Rocr", Rocr::create>(),
    row<"Rocr100", Rocr100::create>(),
    row<"Tii", Tii::create>(),
    row<"VerticalHorizontalFilter", VerticalHorizontalFilter::create>(),
    row<"WavePm", WavePm::create>(),
};

}  // namespace

std::span<const BuilderRow> momentum() { return kRows; }

}  // namespace prynox::registry_family
