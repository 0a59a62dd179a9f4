#pragma once
// Linear regression channel: the least-squares line of the last n closes at the newest bar, with
// bands m root-mean-square residuals (over n) either side.
#include <array>
#include <cstdint>
#include <expected>

#include "indicators/channels/regression_channel_fit.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class LinRegChannel {
public:
    static constexpr const char* kShortPeriod = "linear regression channel needs period >= 2";
    static constexpr std::array<const char*, 3> kOutputNames{"upper", "middle", "lower"};

    // The minimum of 2 (0 included), then MAX_PERIOD, then the multiplier check.
    static std::expected<LinRegChannel, IndicatorError> create(std::uint64_t period, double multiplier);

    bool update_value(double close, std::array<double, 3>& out) { return fit_.step(close, out); }
    // n
    std::uint64_t warmup_period() const { return fit_.period(); }

private:
    LinRegChannel(std::uint64_t period, double multiplier) : fit_(period, multiplier, false) {}

    RegressionChannelFit fit_;
};

}  // namespace prynox
