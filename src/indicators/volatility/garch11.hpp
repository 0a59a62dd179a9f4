#pragma once
// GARCH(1,1) volatility of log returns: V starts at the long-run variance
// omega / (1 - alpha - beta) and then follows V = (omega + alpha s) + beta V, s the squared
// return of the previous step; the value is sqrt(V), the forecast made before the bar's own
// return.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/log_return_input.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kGarchFiniteMessage = "GARCH(1,1) parameters must be finite";
inline constexpr const char* kGarchOmegaMessage = "GARCH(1,1) omega must be > 0";
inline constexpr const char* kGarchNonNegativeMessage = "GARCH(1,1) alpha and beta must be >= 0";
inline constexpr const char* kGarchStationarityMessage =
    "GARCH(1,1) requires alpha + beta < 1 (covariance stationarity)";

class Garch11 {
public:
    // All finite, omega > 0, alpha and beta >= 0, alpha + beta < 1, in that order.
    static std::expected<Garch11, IndicatorError> create(double omega, double alpha, double beta);

    // A step whose variance is not finite or not positive gives nothing and keeps the previous
    // variance and squared return; the close becomes the previous one all the same
    // (log_return_input.hpp).
    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return 2; }

    double long_run_variance() const { return long_run_; }

private:
    Garch11(double omega, double alpha, double beta)
        : omega_(omega), alpha_(alpha), beta_(beta), long_run_(omega / ((1.0 - alpha) - beta)) {}

    LogReturnInput input_;
    double omega_;
    double alpha_;
    double beta_;
    double long_run_;
    double variance_ = 0.0;
    double previous_square_ = 0.0;
    bool started_ = false;
};

}  // namespace prynox
