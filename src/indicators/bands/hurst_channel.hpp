#pragma once
// A channel around the simple average of the close, m times the range of the window (highest
// high less lowest low) either side.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/high_low_extremes.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"

namespace prynox {

class HurstChannel {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"upper", "middle", "lower"};

    // The multiplier check, then the window check.
    static std::expected<HurstChannel, IndicatorError> create(std::uint64_t period, double multiplier);

    bool update_candle(const Candle& c, std::array<double, 3>& out) {
        if (!extremes_.push(c.high, c.low)) [[unlikely]]
            return false;
        const auto s = average_.update_value(c.close);
        if (!s) return false;
        const double r = m_ * (extremes_.high() - extremes_.low());
        out = {*s + r, *s, *s - r};
        return true;
    }
    std::uint64_t warmup_period() const { return average_.warmup_period(); }

private:
    HurstChannel(std::uint64_t period, double multiplier) : extremes_(period), average_(period), m_(multiplier) {}

    HighLowExtremes extremes_;
    Sma average_;
    double m_;
};

}  // namespace prynox
