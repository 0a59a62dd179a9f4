// Registry rows of the multi-output oscillators: lines with their signal, and movements split
// into their up and down parts.
#include "core/registry/families.hpp"
#include "indicators/multi_output_oscillators/adx.hpp"
#include "indicators/multi_output_oscillators/aroon.hpp"
#include "indicators/multi_output_oscillators/elder_ray.hpp"
#include "indicators/multi_output_oscillators/kase_permission_stochastic.hpp"
#include "indicators/multi_output_oscillators/kst.hpp"
#include "indicators/multi_output_oscillators/qqe.hpp"
#include "indicators/multi_output_oscillators/rwi.hpp"
#include "indicators/multi_output_oscillators/stochastic.hpp"
#include "indicators/multi_output_oscillators/ttm_squeeze.hpp"
#include "indicators/multi_output_oscillators/vortex.hpp"
#include "indicators/multi_output_oscillators/wave_trend.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"Adx", Adx::create>(),
    row<"Aroon", Aroon::create>(),
    row<"ElderRay", ElderRay::create>(),
    row<"KasePermissionStochastic", KasePermissionStochastic::create>(),
    row<"Kst", Kst::create>(),
    row<"Qqe", Qqe::create>(),
    row<"Rwi", Rwi::create>(),
    row<"Stochastic", Stochastic::create>(),
    row<"TtmSqueeze", TtmSqueeze::create>(),
    row<"Vortex", Vortex::create>(),
    row<"WaveTrend", WaveTrend::create>(),
};

}  // namespace

std::span<const BuilderRow> multi_output_oscillators() { return kRows; }

}  // namespace prynox::registry_family
