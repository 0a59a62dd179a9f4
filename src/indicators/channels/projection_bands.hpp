#pragma once
// Projection bands: each high and low of the last n candles carried forward to the newest bar
// along the least-squares slope of its own window; the greatest projected high, the midpoint,
// the least projected low.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/projection_step.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class ProjectionBands {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"upper", "middle", "lower"};

    // The minimum of 2 (0 included), then MAX_PERIOD: the check ProjectionOscillator shares.
    static std::expected<ProjectionBands, IndicatorError> create(std::uint64_t period);

    // Prices near the ends of the doubles can carry a projection out of them: no value while
    // such a candle is in the window.
    bool update_candle(const Candle& c, std::array<double, 3>& out);
    // n
    std::uint64_t warmup_period() const { return core_.period(); }

private:
    explicit ProjectionBands(std::uint64_t period) : core_(period) {}

    ProjectionCore core_;
};

}  // namespace prynox
