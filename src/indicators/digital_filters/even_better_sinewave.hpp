#pragma once
// Even better sinewave: a one-pole high-pass of the close, smoothed, then the three-bar mean of
// the smoothed wave over the root of its three-bar mean power, in [-1, 1].
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/super_smoother_stage.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class EvenBetterSinewave {
public:
    // Either period 0, then the smoothing period against MAX_PERIOD (the high-pass period is
    // not bounded).
    static std::expected<EvenBetterSinewave, IndicatorError> create(std::uint64_t highpass_period,
                                                                    std::uint64_t smoothing_period);

    // No value for the first two closes. A high-pass, smoothed value or power that overflows
    // gives nothing and changes nothing.
    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return 3; }

    double alpha1() const { return alpha1_; }

private:
    EvenBetterSinewave(std::uint64_t highpass_period, std::uint64_t smoothing_period);

    SuperSmootherStage smoother_;
    double alpha1_;
    double input_weight_;  // mid(alpha1, 1)
    double x1_ = 0.0;      // previous close
    double hp1_ = 0.0;     // previous high-pass value
    double f1_ = 0.0;      // previous two smoothed values
    double f2_ = 0.0;
    std::uint32_t seen_ = 0;  // earlier closes, up to 2
};

}  // namespace prynox
