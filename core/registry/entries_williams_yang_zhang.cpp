// Registry rows of the Williams %R, Yang-Zhang volatility and the directional-movement step types. None built yet: every name of the family
// answers "unknown indicator type". Add one row per type as it lands (see docs/architecture.md).
#include "core/registry/families.hpp"

namespace prynox::registry_family {

std::span<const BuilderRow> williams_yang_zhang() { return {}; }

}  // namespace prynox::registry_family
