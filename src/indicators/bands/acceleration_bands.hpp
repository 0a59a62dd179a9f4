#pragma once
// Acceleration bands: simple averages of the high widened and the low narrowed by f times the
// bar's relative range (h - l) / (h + l), around the simple average of the close.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"

namespace prynox {

class AccelerationBands {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"upper", "middle", "lower"};

    // The multiplier check of the factor, then the window check.
    static std::expected<AccelerationBands, IndicatorError> create(std::uint64_t period, double factor);

    // A candle whose raw upper or lower band is not finite reaches none of the three averages,
    // so that they always cover the same bars.
    bool update_candle(const Candle& c, std::array<double, 3>& out);
    std::uint64_t warmup_period() const { return middle_.warmup_period(); }

private:
    AccelerationBands(std::uint64_t period, double factor)
        : upper_(period), middle_(period), lower_(period), f_(factor) {}

    Sma upper_;
    Sma middle_;
    Sma lower_;
    double f_;
};

}  // namespace prynox
