// Registry rows of the range volatility estimators.
#include "core/registry/families.hpp"
#include "indicators/range_volatility/garman_klass_volatility.hpp"
#include "indicators/range_volatility/parkinson_volatility.hpp"
#include "indicators/range_volatility/rogers_satchell_volatility.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"GarmanKlassVolatility", GarmanKlassVolatility::create>(),
    row<"ParkinsonVolatility", ParkinsonVolatility::create>(),
    row<"RogersSatchellVolatility", RogersSatchellVolatility::create>(),
};

}  // namespace

std::span<const BuilderRow> range_volatility() { return kRows; }

}  // namespace prynox::registry_family
