// Registry rows of the digital filters of the close.
#include "core/registry/families.hpp"
#include "indicators/digital_filters/adaptive_laguerre_filter.hpp"
#include "indicators/digital_filters/bandpass_filter.hpp"
#include "indicators/digital_filters/center_of_gravity.hpp"
#include "indicators/digital_filters/cybernetic_cycle.hpp"
#include "indicators/digital_filters/decycler.hpp"
#include "indicators/digital_filters/decycler_oscillator.hpp"
#include "indicators/digital_filters/ehlers_stochastic.hpp"
#include "indicators/digital_filters/empirical_mode_decomposition.hpp"
#include "indicators/digital_filters/even_better_sinewave.hpp"
#include "indicators/digital_filters/fisher_transform.hpp"
#include "indicators/digital_filters/highpass_filter.hpp"
#include "indicators/digital_filters/instantaneous_trendline.hpp"
#include "indicators/digital_filters/inverse_fisher_transform.hpp"
#include "indicators/digital_filters/laguerre_rsi.hpp"
#include "indicators/digital_filters/reflex.hpp"
#include "indicators/digital_filters/roofing_filter.hpp"
#include "indicators/digital_filters/super_smoother.hpp"
#include "indicators/digital_filters/trendflex.hpp"
#include "indicators/digital_filters/universal_oscillator.hpp"

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
