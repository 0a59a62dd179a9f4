// Registry rows of the channels from order statistics and regression: price extremes, fractals,
// quantiles of the close and least-squares lines.
#include "core/registry/families.hpp"
#include "indicators/channels/bomar_bands.hpp"
#include "indicators/channels/donchian.hpp"
#include "indicators/channels/fractal_chaos_bands.hpp"
#include "indicators/channels/lin_reg_channel.hpp"
#include "indicators/channels/median_channel.hpp"
#include "indicators/channels/projection_bands.hpp"
#include "indicators/channels/quartile_bands.hpp"
#include "indicators/channels/standard_error_bands.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"BomarBands", BomarBands::create>(),
    row<"Donchian", Donchian::create>(),
    row<"FractalChaosBands", FractalChaosBands::create>(),
    row<"LinRegChannel", LinRegChannel::create>(),
    row<"MedianChannel", MedianChannel::create>(),
    row<"ProjectionBands", ProjectionBands::create>(),
    row<"QuartileBands", QuartileBands::create>(),
    row<"StandardErrorBands", StandardErrorBands::create>(),
};

}  // namespace

std::span<const BuilderRow> channels() { return kRows; }

}  // namespace prynox::registry_family
