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

constexpr BuilderRow kRows[] = {
    row<"AdaptiveLaguerreFilter", AdaptiveLaguerreFilter::create>(),
    row<"BandpassFilter", BandpassFilter::create>(),
    row<"CenterOfGravity", CenterOfGravity::create>(),
    row<"CyberneticCycle", CyberneticCycle::create>(),
    row<"Decycler", Decycler::create>(),
    row<"DecyclerOscillator", DecyclerOscillator::create>(),
    row<"EhlersStochastic", EhlersStochastic::create>(),
    row<"EmpiricalModeDecomposition", EmpiricalModeDecomposition::create>(),
    row<"EvenBetterSinewave", EvenBetterSinewave::create>(),
    row<"FisherTransform", FisherTransform::create>(),
    row<"HighpassFilter", HighpassFilter::create>(),
    row<"InstantaneousTrendline", InstantaneousTrendline::create>(),
    row<"InverseFisherTransform", InverseFisherTransform::create>(),
    row<"LaguerreRsi", LaguerreRsi::create>(),
    row<"Reflex", Reflex::create>(),
    row<"RoofingFilter", RoofingFilter::create>(),
    row<"SuperSmoother", SuperSmoother::create>(),
    row<"Trendflex", Trendflex::create>(),
    row<"UniversalOscillator", UniversalOscillator::create>(),
};

}  // namespace

std::span<const BuilderRow> digital_filters() { return kRows; }

}  // namespace prynox::registry_family
