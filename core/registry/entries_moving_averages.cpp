// Registry rows of the moving averages of the close.
#include "core/registry/families.hpp"
#include "indicators/moving_averages/alma.hpp"
#include "indicators/moving_averages/dema.hpp"
#include "indicators/moving_averages/ehma.hpp"
#include "indicators/moving_averages/ema.hpp"
#include "indicators/moving_averages/fama.hpp"
#include "indicators/moving_averages/frama.hpp"
#include "indicators/moving_averages/generalized_dema.hpp"
#include "indicators/moving_averages/geometric_ma.hpp"
#include "indicators/moving_averages/hma.hpp"
#include "indicators/moving_averages/holt_winters.hpp"
#include "indicators/moving_averages/jma.hpp"
#include "indicators/moving_averages/kama.hpp"
#include "indicators/moving_averages/mcginley_dynamic.hpp"
#include "indicators/moving_averages/median_ma.hpp"
#include "indicators/moving_averages/mid_point.hpp"
#include "indicators/moving_averages/sine_weighted_ma.hpp"
#include "indicators/moving_averages/sma.hpp"
#include "indicators/moving_averages/smma.hpp"
#include "indicators/moving_averages/t3.hpp"
#include "indicators/moving_averages/tema.hpp"
#include "indicators/moving_averages/trima.hpp"
#include "indicators/moving_averages/vidya.hpp"
#include "indicators/moving_averages/wma.hpp"
#include "indicators/moving_averages/zlema.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"Alma", Alma::create>(),
    row<"Dema", Dema::create>(),
    row<"Ehma", Ehma::create>(),
    row<"Ema", Ema::create>(),
    row<"Fama", Fama::create>(),
    row<"Frama", Frama::create>(),
    row<"GeneralizedDema", GeneralizedDema::create>(),
    row<"GeometricMa", GeometricMa::create>(),
    row<"Hma", Hma::create>(),
    row<"HoltWinters", HoltWinters::create>(),
    // The constructor takes the power (#2) before the phase (#1).
    row<"Jma", [](std::uint64_t period, double phase, std::uint32_t power) {
        return Jma::create(period, power, phase);
    }>(),
    row<"Kama", Kama::create>(),
    row<"McGinleyDynamic", McGinleyDynamic::create>(),
    row<"MedianMa", MedianMa::create>(),
    row<"MidPoint", MidPoint::create>(),
    row<"SineWeightedMa", SineWeightedMa::create>(),
    row<"Sma", Sma::create>(),
    row<"Smma", Smma::create>(),
    row<"T3", T3::create>(),
    row<"Tema", Tema::create>(),
    row<"Trima", Trima::create>(),
    row<"Vidya", Vidya::create>(),
    row<"Wma", Wma::create>(),
    row<"Zlema", Zlema::create>(),
};

}  // namespace

std::span<const BuilderRow> moving_averages() { return kRows; }

}  // namespace prynox::registry_family
