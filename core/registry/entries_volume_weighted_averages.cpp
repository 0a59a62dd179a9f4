// Registry rows of the volume-weighted averages and session VWAP. None built yet: every name of the family
// answers "unknown indicator type". Add one row per type as it lands (see docs/architecture.md).
#include "core/registry/families.hpp"

namespace prynox::registry_family {

std::span<const BuilderRow> volume_weighted_averages() { return {}; }

}  // namespace prynox::registry_family
