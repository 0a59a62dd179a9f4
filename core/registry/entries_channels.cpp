// Registry rows of the channels from order statistics and regression. None built yet: every name of the family
// answers "unknown indicator type". Add one row per type as it lands (see docs/architecture.md).
#include "core/registry/families.hpp"

namespace prynox::registry_family {

std::span<const BuilderRow> channels() { return {}; }

}  // namespace prynox::registry_family
