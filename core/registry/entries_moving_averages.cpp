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

const BuilderRow kRows[] = {
    {"Alma", [](const ParamValues& p) { return box_close(Alma::create(p.window(0), p.real(1), p.real(2))); }},
    {"Dema", [](const ParamValues& p) { return box_close(Dema::create(p.window(0))); }},
    {"Ehma", [](const ParamValues& p) { return box_close(Ehma::create(p.window(0))); }},
    {"Ema", [](const ParamValues& p) { return box_close(Ema::create(p.window(0))); }},
    {"Fama", [](const ParamValues& p) { return box_close(Fama::create(p.real(0), p.real(1))); }},
    {"Frama", [](const ParamValues& p) { return box_close(Frama::create(p.window(0))); }},
    {"GeneralizedDema",
     [](const ParamValues& p) { return box_close(GeneralizedDema::create(p.window(0), p.real(1))); }},
    {"GeometricMa", [](const ParamValues& p) { return box_close(GeometricMa::create(p.window(0))); }},
    {"Hma", [](const ParamValues& p) { return box_close(Hma::create(p.window(0))); }},
    {"HoltWinters", [](const ParamValues& p) { return box_close(HoltWinters::create(p.real(0), p.real(1))); }},
    // The constructor takes the power (#2) before the phase (#1).
    {"Jma", [](const ParamValues& p) { return box_close(Jma::create(p.window(0), p.u32(2), p.real(1))); }},
    {"Kama", [](const ParamValues& p) { return box_close(Kama::create(p.window(0), p.window(1), p.window(2))); }},
    {"McGinleyDynamic", [](const ParamValues& p) { return box_close(McGinleyDynamic::create(p.window(0))); }},
    {"MedianMa", [](const ParamValues& p) { return box_close(MedianMa::create(p.window(0))); }},
    {"MidPoint", [](const ParamValues& p) { return box_close(MidPoint::create(p.window(0))); }},
    {"SineWeightedMa", [](const ParamValues& p) { return box_close(SineWeightedMa::create(p.window(0))); }},
    {"Sma", [](const ParamValues& p) { return box_close(Sma::create(p.window(0))); }},
    {"Smma", [](const ParamValues& p) { return box_close(Smma::create(p.window(0))); }},
    {"T3", [](const ParamValues& p) { return box_close(T3::create(p.window(0), p.real(1))); }},
    {"Tema", [](const ParamValues& p) { return box_close(Tema::create(p.window(0))); }},
    {"Trima", [](const ParamValues& p) { return box_close(Trima::create(p.window(0))); }},
    {"Vidya", [](const ParamValues& p) { return box_close(Vidya::create(p.window(0), p.window(1))); }},
    {"Wma", [](const ParamValues& p) { return box_close(Wma::create(p.window(0))); }},
    {"Zlema", [](const ParamValues& p) { return box_close(Zlema::create(p.window(0))); }},
};

}  // namespace

std::span<const BuilderRow> moving_averages() { return kRows; }

}  // namespace prynox::registry_family
