// Registry rows of the MACD family and adaptive averages with named outputs. None built yet: every name of the family
// answers "unknown indicator type". Add one row per type as it lands (see docs/architecture.md).
#include "core/registry/families.hpp"

namespace prynox::registry_family {

std::span<const BuilderRow> macd_family() { return {}; }

}  // namespace prynox::registry_family
