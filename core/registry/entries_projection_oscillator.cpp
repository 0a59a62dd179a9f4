// Registry row of the projection oscillator.
#include "core/registry/families.hpp"
#include "indicators/projection_oscillator/projection_oscillator.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"ProjectionOscillator", ProjectionOscillator::create>(),
};

}  // namespace

std::span<const BuilderRow> projection_oscillator() { return kRows; }

}  // namespace prynox::registry_family
