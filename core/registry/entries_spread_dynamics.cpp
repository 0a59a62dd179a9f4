// Registry rows of the spread dynamics: how the gap between the instrument and the reference
// series reverts, persists, scales and ranges.
#include "core/registry/families.hpp"
#include "indicators/spread_dynamics/ou_half_life.hpp"
#include "indicators/spread_dynamics/relative_strength_ab.hpp"
#include "indicators/spread_dynamics/spread_ar1_coefficient.hpp"
#include "indicators/spread_dynamics/spread_bollinger_bands.hpp"
#include "indicators/spread_dynamics/spread_hurst.hpp"
#include "indicators/spread_dynamics/variance_ratio.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"OuHalfLife", OuHalfLife::create>(),
    row<"RelativeStrengthAB", RelativeStrengthAB::create>(),
    row<"SpreadAr1Coefficient", SpreadAr1Coefficient::create>(),
    row<"SpreadBollingerBands", SpreadBollingerBands::create>(),
    row<"SpreadHurst", SpreadHurst::create>(),
    row<"VarianceRatio", VarianceRatio::create>(),
};

}  // namespace

std::span<const BuilderRow> spread_dynamics() { return kRows; }

}  // namespace prynox::registry_family
