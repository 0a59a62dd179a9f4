// Registry rows of the range and volatility oscillators.
#include "core/registry/families.hpp"
#include "indicators/range_oscillators/chaikin_volatility.hpp"
#include "indicators/range_oscillators/choppiness_index.hpp"
#include "indicators/range_oscillators/heikin_ashi_oscillator.hpp"
#include "indicators/range_oscillators/mass_index.hpp"
#include "indicators/range_oscillators/mid_price.hpp"
#include "indicators/range_oscillators/pgo.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"ChaikinVolatility", ChaikinVolatility::create>(),
    row<"ChoppinessIndex", ChoppinessIndex::create>(),
    row<"HeikinAshiOscillator", HeikinAshiOscillator::create>(),
    row<"MassIndex", MassIndex::create>(),
    row<"MidPrice", MidPrice::create>(),
    row<"Pgo", Pgo::create>(),
};

}  // namespace

std::span<const BuilderRow> range_oscillators() { return kRows; }

}  // namespace prynox::registry_family
