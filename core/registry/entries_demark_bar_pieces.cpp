// Registry rows of the DeMark bar pieces. None built yet: every name of the family
// answers "unknown indicator type". Add one row per type as it lands (see docs/architecture.md).
#include "core/registry/families.hpp"

namespace prynox::registry_family {

std::span<const BuilderRow> demark_bar_pieces() { return {}; }

}  // namespace prynox::registry_family
