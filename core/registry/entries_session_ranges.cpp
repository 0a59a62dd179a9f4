// Registry rows of the session and opening ranges. None built yet: every name of the family
// answers "unknown indicator type". Add one row per type as it lands (see docs/architecture.md).
#include "core/registry/families.hpp"

namespace prynox::registry_family {

std::span<const BuilderRow> session_ranges() { return {}; }

}  // namespace prynox::registry_family
