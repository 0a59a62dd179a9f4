#pragma once
// Value area of the volume profile of the last w candles over b bins: the point of control (the
// first fullest bin), and the bins around it that hold the value-area share of the volume; the
// area's edges are the outer edges of its end bins. A window without range gives its price
// three times.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/market_profiles/window_histogram.hpp"

namespace prynox {

inline constexpr const char* kValueAreaShare = "value_area_pct must be in (0, 1]";

class ValueArea {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"poc", "vah", "val"};

    // Both zero checks, the share in (0, 1] (an invalid period), then the maximum on the bins.
    static std::expected<ValueArea, IndicatorError> create(std::uint64_t window, std::uint64_t bins, double share);

    bool update_candle(const Candle& c, std::array<double, 3>& out);
    // w
    std::uint64_t warmup_period() const { return histogram_.window(); }

private:
    ValueArea(std::uint64_t window, std::uint64_t bins, double share) : histogram_(window, bins), share_(share) {}

    WindowHistogram histogram_;
    double share_;
};

}  // namespace prynox
