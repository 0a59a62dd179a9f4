#pragma once
// Fractal chaos bands: the high of the latest confirmed fractal high (a candle whose high is
// strictly above those of the p candles either side) and the low of the latest fractal low. The
// fractal test is O(1) per candle (StrictPivot).
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/strict_pivot.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class FractalChaosBands {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"upper", "lower"};

    // Window check of p.
    static std::expected<FractalChaosBands, IndicatorError> create(std::uint64_t half_width);

    // No value until a fractal of each kind has been seen; then the latest of each on every bar.
    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // 2p + 1 (saturating)
    std::uint64_t warmup_period() const { return span_.span(); }

private:
    explicit FractalChaosBands(std::uint64_t half_width) : span_(half_width, half_width) {}

    // The last 2p + 1 candles' highs and lows; grows with the data.
    StrictPivot span_;
    double upper_ = 0.0;
    double lower_ = 0.0;
    bool has_upper_ = false;
    bool has_lower_ = false;
};

}  // namespace prynox
