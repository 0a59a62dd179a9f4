// Registry rows of the digital filters of the close.
#include "core/registry/families.hpp"
#include "indicators/adaptive_laguerre_filter.hpp"
#include "indicators/bandpass_filter.hpp"
#include "indicators/center_of_gravity.hpp"
#include "indicators/cybernetic_cycle.hpp"
#include "indicators/decycler.hpp"
#include "indicators/decycler_oscillator.hpp"
#include "indicators/ehlers_stochastic.hpp"
#include "indicators/empirical_mode_decomposition.hpp"
#include "indicators/even_better_sinewave.hpp"
#include "indicators/fisher_transform.hpp"
#include "indicators/highpass_filter.hpp"
#include "indicators/instantaneous_trendline.hpp"
#include "indicators/inverse_fisher_transform.hpp"
#include "indicators/laguerre_rsi.hpp"
#include "indicators/reflex.hpp"
#include "indicators/roofing_filter.hpp"
#include "indicators/super_smoother.hpp"
#include "indicators/trendflex.hpp"
#include "indicators/universal_oscillator.hpp"

namespace prynox::registry_family {

namespace {

const BuilderRow kRows[] = {
    {"AdaptiveLaguerreFilter",
     [](const ParamValues& p) { return box_close(AdaptiveLaguerreFilter::create(p.window(0))); }},
    {"BandpassFilter", [](const ParamValues& p) { return box_close(BandpassFilter::create(p.window(0), p.real(1))); }},
    {"CenterOfGravity", [](const ParamValues& p) { return box_close(CenterOfGravity::create(p.window(0))); }},
    {"CyberneticCycle", [](const ParamValues& p) { return box_close(CyberneticCycle::create(p.window(0))); }},
    {"Decycler", [](const ParamValues& p) { return box_close(Decycler::create(p.window(0))); }},
    {"DecyclerOscillator",
     [](const ParamValues& p) { return box_close(DecyclerOscillator::create(p.window(0), p.window(1))); }},
    {"EhlersStochastic", [](const ParamValues& p) { return box_close(EhlersStochastic::create(p.window(0))); }},
    {"EmpiricalModeDecomposition",
     [](const ParamValues& p) { return box_close(EmpiricalModeDecomposition::create(p.window(0), p.real(1))); }},
    {"EvenBetterSinewave",
     [](const ParamValues& p) { return box_close(EvenBetterSinewave::create(p.window(0), p.window(1))); }},
    {"FisherTransform", [](const ParamValues& p) { return box_close(FisherTransform::create(p.window(0))); }},
    {"HighpassFilter", [](const ParamValues& p) { return box_close(HighpassFilter::create(p.window(0))); }},
    {"InstantaneousTrendline",
     [](const ParamValues& p) { return box_close(InstantaneousTrendline::create(p.window(0))); }},
    {"InverseFisherTransform",
     [](const ParamValues& p) { return box_close(InverseFisherTransform::create(p.real(0))); }},
    {"LaguerreRsi", [](const ParamValues& p) { return box_close(LaguerreRsi::create(p.real(0))); }},
    {"Reflex", [](const ParamValues& p) { return box_close(Reflex::create(p.window(0))); }},
    {"RoofingFilter", [](const ParamValues& p) { return box_close(RoofingFilter::create(p.window(0), p.window(1))); }},
    {"SuperSmoother", [](const ParamValues& p) { return box_close(SuperSmoother::create(p.window(0))); }},
    {"Trendflex", [](const ParamValues& p) { return box_close(Trendflex::create(p.window(0))); }},
    {"UniversalOscillator", [](const ParamValues& p) { return box_close(UniversalOscillator::create(p.window(0))); }},
};

}  // namespace

std::span<const BuilderRow> digital_filters() { return kRows; }

}  // namespace prynox::registry_family
