// Registry rows of the candle trailing stops and the parabolic stop-and-reverse.
#include "core/registry/families.hpp"
#include "indicators/candle_trailing_stops/atr_trailing_stop.hpp"
#include "indicators/candle_trailing_stops/hi_lo_activator.hpp"
#include "indicators/candle_trailing_stops/psar.hpp"
#include "indicators/candle_trailing_stops/sar_ext.hpp"
#include "indicators/candle_trailing_stops/time_based_stop.hpp"
#include "indicators/candle_trailing_stops/volty_stop.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"AtrTrailingStop", AtrTrailingStop::create>(),
    row<"HiLoActivator", HiLoActivator::create>(),
    row<"Psar", Psar::create>(),
    row<"SarExt", SarExt::create>(),
    row<"TimeBasedStop", TimeBasedStop::create>(),
    row<"VoltyStop", VoltyStop::create>(),
};

}  // namespace

std::span<const BuilderRow> candle_trailing_stops() { return kRows; }

}  // namespace prynox::registry_family
