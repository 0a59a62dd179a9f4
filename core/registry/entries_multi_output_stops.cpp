// Registry rows of the multi-output trailing stops and exits (and the single-output yo-yo exit).
#include "core/registry/families.hpp"
#include "indicators/multi_output_stops/atr_ratchet.hpp"
#include "indicators/multi_output_stops/chande_kroll_stop.hpp"
#include "indicators/multi_output_stops/chandelier_exit.hpp"
#include "indicators/multi_output_stops/donchian_stop.hpp"
#include "indicators/multi_output_stops/elder_safe_zone.hpp"
#include "indicators/multi_output_stops/kase_dev_stop.hpp"
#include "indicators/multi_output_stops/modified_ma_stop.hpp"
#include "indicators/multi_output_stops/nrtr.hpp"
#include "indicators/multi_output_stops/super_trend.hpp"
#include "indicators/multi_output_stops/yoyo_exit.hpp"
#include "indicators/multi_output_stops/zig_zag.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"AtrRatchet", AtrRatchet::create>(),
    row<"ChandeKrollStop", ChandeKrollStop::create>(),
    row<"ChandelierExit", ChandelierExit::create>(),
    row<"DonchianStop", DonchianStop::create>(),
    row<"ElderSafeZone", ElderSafeZone::create>(),
    row<"KaseDevStop", KaseDevStop::create>(),
    row<"ModifiedMaStop", ModifiedMaStop::create>(),
    row<"Nrtr", Nrtr::create>(),
    row<"SuperTrend", SuperTrend::create>(),
    row<"YoyoExit", YoyoExit::create>(),
    row<"ZigZag", ZigZag::create>(),
};

}  // namespace

std::span<const BuilderRow> multi_output_stops() { return kRows; }

}  // namespace prynox::registry_family
