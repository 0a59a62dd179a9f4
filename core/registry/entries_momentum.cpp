// Registry rows of the momentum and rate-of-change types of the close.
#include "core/registry/families.hpp"
#include "indicators/momentum/coppock.hpp"
#include "indicators/momentum/disparity_index.hpp"
#include "indicators/momentum/dpo.hpp"
#include "indicators/momentum/log_return.hpp"
#include "indicators/momentum/mom.hpp"
#include "indicators/momentum/percent_b.hpp"
#include "indicators/momentum/pmo.hpp"
#include "indicators/momentum/polarized_fractal_efficiency.hpp"
#include "indicators/momentum/roc.hpp"
#include "indicators/momentum/rocp.hpp"
#include "indicators/momentum/rocr.hpp"
#include "indicators/momentum/rocr100.hpp"
#include "indicators/momentum/tii.hpp"
#include "indicators/momentum/vertical_horizontal_filter.hpp"
#include "indicators/momentum/wave_pm.hpp"

namespace prynox::registry_family {

namespace {

const BuilderRow kRows[] = {
    {"BollingerBandwidth",
     [](const ParamValues& p) { return box_close(BollingerBandwidth::create(p.window(0), p.real(1))); }},
    {"Coppock",
     [](const ParamValues& p) { return box_close(Coppock::create(p.window(0), p.window(1), p.window(2))); }},
    {"DisparityIndex", [](const ParamValues& p) { return box_close(DisparityIndex::create(p.window(0))); }},
    {"Dpo", [](const ParamValues& p) { return box_close(Dpo::create(p.window(0))); }},
    {"LogReturn", [](const ParamValues& p) { return box_close(LogReturn::create(p.window(0))); }},
    {"Mom", [](const ParamValues& p) { return box_close(Mom::create(p.window(0))); }},
    {"PercentB", [](const ParamValues& p) { return box_close(PercentB::create(p.window(0), p.real(1))); }},
    {"Pmo", [](const ParamValues& p) { return box_close(Pmo::create(p.window(0), p.window(1))); }},
    {"PolarizedFractalEfficiency",
     [](const ParamValues& p) { return box_close(PolarizedFractalEfficiency::create(p.window(0), p.window(1))); }},
    {"Roc", [](const ParamValues& p) { return box_close(Roc::create(p.window(0))); }},
    {"Rocp", [](const ParamValues& p) { return box_close(Rocp::create(p.window(0))); }},
    {"Rocr", [](const ParamValues& p) { return box_close(Rocr::create(p.window(0))); }},
    {"Rocr100", [](const ParamValues& p) { return box_close(Rocr100::create(p.window(0))); }},
    {"Tii", [](const ParamValues& p) { return box_close(Tii::create(p.window(0), p.window(1))); }},
    {"VerticalHorizontalFilter",
     [](const ParamValues& p) { return box_close(VerticalHorizontalFilter::create(p.window(0))); }},
    {"WavePm", [](const ParamValues& p) { return box_close(WavePm::create(p.window(0), p.window(1))); }},
};

}  // namespace

std::span<const BuilderRow> momentum() { return kRows; }

}  // namespace prynox::registry_family
