#pragma once
// Jurik-style moving average: an adaptive EMA with a phase-shifted correction term and a
// second-order smoothing of the step, controlled by a phase and a power.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kJmaPhaseMessage = "JMA phase must be a finite value";
inline constexpr const char* kJmaPowerMessage = "JMA power must be in 1..=4";

class Jma {
public:
    // Window check on N, then the phase, then the power (the power comes before the phase in
    // the argument list, as the registry passes them).
    static std::expected<Jma, IndicatorError> create(std::uint64_t period, std::uint32_t power, double phase);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return 1; }

    double beta() const { return beta_; }
    double alpha() const { return alpha_; }
    double phase_ratio() const { return phase_ratio_; }

private:
    Jma(std::uint64_t period, std::uint32_t power, double phase);

    double beta_;
    double alpha_;
    double phase_ratio_;
    double e0_ = 0.0;
    double d0_ = 0.0;
    double d1_ = 0.0;
    OptionalValue last_;
};

}  // namespace prynox
