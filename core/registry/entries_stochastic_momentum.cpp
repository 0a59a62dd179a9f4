// Registry rows of the stochastic momentum, ultimate, vigor and inertia oscillators. None built yet: every name of the family
// answers "unknown indicator type". Add one row per type as it lands (see docs/architecture.md).
#include "core/registry/families.hpp"

namespace prynox::registry_family {

std::span<const BuilderRow> stochastic_momentum() { return {}; }

}  // namespace prynox::registry_family
