#pragma once
// Bands a fixed fraction above and below the simple average of the close (0.025 is 2.5 %).
#include <array>
#include <cstdint>
#include <expected>

#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"

namespace prynox {

class MaEnvelope {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"upper", "middle", "lower"};

    // The multiplier check of the fraction, then the window check.
    static std::expected<MaEnvelope, IndicatorError> create(std::uint64_t period, double fraction);

    bool update_value(double close, std::array<double, 3>& out) {
        const auto s = average_.update_value(close);
        if (!s) return false;
        out = {*s * up_, *s, *s * down_};
        return true;
    }
    std::uint64_t warmup_period() const { return average_.warmup_period(); }

private:
    MaEnvelope(std::uint64_t period, double fraction) : average_(period), up_(1.0 + fraction), down_(1.0 - fraction) {}

    Sma average_;
    double up_;    // 1 + p
    double down_;  // 1 - p
};

}  // namespace prynox
