#pragma once
// Standard error bands: the least-squares line of the last n closes at the newest bar, with bands
// m standard errors of the fit (the residual sum over n - 2) either side.
#include <array>
#include <cstdint>
#include <expected>

#include "indicators/channels/regression_channel_fit.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class StandardErrorBands {
public:
    static constexpr const char* kShortPeriod = "standard error bands need period >= 3";
    static constexpr std::array<const char*, 3> kOutputNames{"upper", "middle", "lower"};

    // The minimum of 3 (0 included), then MAX_PERIOD, then the multiplier check.
    static std::expected<StandardErrorBands, IndicatorError> create(std::uint64_t period, double multiplier);

    bool update_value(double close, std::array<double, 3>& out) { return fit_.step(close, out); }
    // n
    std::uint64_t warmup_period() const { return fit_.period(); }

private:
    StandardErrorBands(std::uint64_t period, double multiplier) : fit_(period, multiplier, true) {}

    RegressionChannelFit fit_;
};

}  // namespace prynox
