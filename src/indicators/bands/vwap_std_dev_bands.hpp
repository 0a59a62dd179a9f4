#pragma once
// Bands around the cumulative VWAP of the typical price, m volume-weighted standard deviations
// either side. The sums run from the first valid bar for the whole run, as deviations from
// that bar's typical price so that they stay well conditioned far from zero.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class VwapStdDevBands {
public:
    static constexpr std::array<const char*, 4> kOutputNames{"upper", "middle", "lower", "stddev"};

    // The multiplier check.
    static std::expected<VwapStdDevBands, IndicatorError> create(double multiplier);

    // A bar whose typical price or volume-weighted terms are not finite is refused: it would
    // leave the sums infinite or NaN for the rest of the run.
    bool update_candle(const Candle& c, std::array<double, 4>& out);
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit VwapStdDevBands(double multiplier) : m_(multiplier) {}

    double m_;
    double anchor_ = 0.0;
    bool anchored_ = false;
    double s1_ = 0.0;  // sum of v (tp - K)
    double s2_ = 0.0;  // sum of v (tp - K)^2
    double volume_ = 0.0;
};

}  // namespace prynox
