// Registry rows of the harmonic patterns. None takes parameters; any given are ignored.
#include "core/registry/families.hpp"
#include "indicators/harmonic_patterns/abcd.hpp"
#include "indicators/harmonic_patterns/bat.hpp"
#include "indicators/harmonic_patterns/butterfly.hpp"
#include "indicators/harmonic_patterns/crab.hpp"
#include "indicators/harmonic_patterns/cypher.hpp"
#include "indicators/harmonic_patterns/gartley.hpp"
#include "indicators/harmonic_patterns/shark.hpp"
#include "indicators/harmonic_patterns/three_drives.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"Abcd", Abcd::create>(),
    row<"Bat", Bat::create>(),
    row<"Butterfly", Butterfly::create>(),
    row<"Crab", Crab::create>(),
    row<"Cypher", Cypher::create>(),
    row<"Gartley", Gartley::create>(),
    row<"Shark", Shark::create>(),
    row<"ThreeDrives", ThreeDrives::create>(),
};

}  // namespace

std::span<const BuilderRow> harmonic_patterns() { return kRows; }

}  // namespace prynox::registry_family
