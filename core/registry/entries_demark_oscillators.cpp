// Registry rows of the DeMark wave count and DeMark oscillators.
#include "core/registry/families.hpp"
#include "indicators/demark_oscillators/td_d_wave.hpp"
#include "indicators/demark_oscillators/td_demarker.hpp"
#include "indicators/demark_oscillators/td_pressure.hpp"
#include "indicators/demark_oscillators/td_rei.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"TdDWave", TdDWave::create>(),
    row<"TdDeMarker", TdDeMarker::create>(),
    row<"TdPressure", TdPressure::create>(),
    row<"TdRei", TdRei::create>(),
};

}  // namespace

std::span<const BuilderRow> demark_oscillators() { return kRows; }

}  // namespace prynox::registry_family
