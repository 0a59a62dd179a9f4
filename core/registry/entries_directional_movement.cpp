// Registry rows of the directional movement and true range types.
#include "core/registry/families.hpp"
#include "indicators/directional_movement/adxr.hpp"
#include "indicators/directional_movement/atr.hpp"
#include "indicators/directional_movement/dx.hpp"
#include "indicators/directional_movement/minus_di.hpp"
#include "indicators/directional_movement/minus_dm.hpp"
#include "indicators/directional_movement/natr.hpp"
#include "indicators/directional_movement/plus_di.hpp"
#include "indicators/directional_movement/plus_dm.hpp"
#include "indicators/directional_movement/volatility_ratio.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"Adxr", Adxr::create>(),
    row<"Atr", Atr::create>(),
    row<"Dx", Dx::create>(),
    row<"MinusDi", MinusDi::create>(),
    row<"MinusDm", MinusDm::create>(),
    row<"Natr", Natr::create>(),
    row<"PlusDi", PlusDi::create>(),
    row<"PlusDm", PlusDm::create>(),
    row<"VolatilityRatio", VolatilityRatio::create>(),
};

}  // namespace

std::span<const BuilderRow> directional_movement() { return kRows; }

}  // namespace prynox::registry_family
