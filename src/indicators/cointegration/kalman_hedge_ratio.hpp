#pragma once
// A two-state Kalman filter for close = intercept + hedge_ratio * reference, both coefficients
// random walks with noise delta / (1 - delta) per bar, observed with variance observation_var.
// Every valid bar gives a value; the first gives 0 (its gain is 0 as the covariance starts at 0).
#include <array>
#include <cstdint>
#include <expected>

#include "indicators/indicator_error.hpp"

namespace prynox {

inline constexpr const char* kKalmanDeltaMessage = "kalman hedge ratio needs delta in (0, 1)";
inline constexpr const char* kKalmanObservationVarMessage = "kalman hedge ratio needs observation_var > 0";

class KalmanHedgeRatio {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"hedge_ratio", "intercept", "spread"};

    // delta finite in (0, 1), then observation_var finite and above 0.
    static std::expected<KalmanHedgeRatio, IndicatorError> create(double delta, double observation_var);

    // A step whose innovation variance is not finite and positive, or that would leave any
    // coefficient or covariance entry not finite, gives no value and changes nothing.
    bool update_pair(double close, double reference, std::array<double, 3>& out);
    std::uint64_t warmup_period() const { return 1; }

    double delta() const { return delta_; }
    double state_noise() const { return q_; }

private:
    KalmanHedgeRatio(double delta, double observation_var)
        : delta_(delta), q_(delta / (1.0 - delta)), r_(observation_var) {}

    double hedge_ratio_ = 0.0;
    double intercept_ = 0.0;
    double p00_ = 0.0, p01_ = 0.0, p10_ = 0.0, p11_ = 0.0;
    double delta_;
    double q_;
    double r_;
    std::uint64_t updates_ = 0;
};

}  // namespace prynox
