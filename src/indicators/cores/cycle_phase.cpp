#include "indicators/cores/cycle_phase.hpp"

#include "indicators/invariant.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

namespace {
constexpr double kDegreesPerRadian = 57.29577951308232;
}  // namespace

std::uint64_t clamp_cycle_length(std::uint64_t n, std::uint64_t maximum) {
    require(maximum >= 1, "cycle length maximum is at least 1");
    if (n < 1) return 1;
    return n > maximum ? maximum : n;
}

std::size_t CyclePhase::cycle_length() const {
    return clamp_cycle_length(saturating_u64(smooth_period_ + 0.5), smooth_prices_.size());
}

double CyclePhase::phase_degrees(double real, double imag) const {
    double phase;
    if (std::fabs(imag) > 0.001)
        phase = std::atan(real / imag) * kDegreesPerRadian + 90.0;
    else
        phase = real < 0.0 ? 0.0 : 180.0;
    phase = phase + 360.0 / smooth_period_;
    if (imag < 0.0) phase = phase + 180.0;
    if (phase > 315.0) phase = phase - 360.0;
    return phase;
}

}  // namespace prynox
