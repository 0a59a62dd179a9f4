// Registry rows of the volume classification and pressure lines. None built yet: every name of the family
// answers "unknown indicator type". Add one row per type as it lands (see docs/architecture.md).
#include "core/registry/families.hpp"

namespace prynox::registry_family {

std::span<const BuilderRow> volume_pressure() { return {}; }

}  // namespace prynox::registry_family
