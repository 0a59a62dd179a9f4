#pragma once
// Composite profile: the value area of the volume profile of the last w candles over b bins,
// told by bin centres: the point of control and the centres of the area's end bins. A window
// without range gives its price three times.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/market_profiles/value_area.hpp"

namespace prynox {

class CompositeProfile {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"poc", "vah", "val"};

    // As ValueArea, but a share outside (0, 1] is an invalid parameter.
    static std::expected<CompositeProfile, IndicatorError> create(std::uint64_t window, std::uint64_t bins, double share);

    bool update_candle(const Candle& c, std::array<double, 3>& out);
    // w
    std::uint64_t warmup_period() const { return histogram_.window(); }

private:
    CompositeProfile(std::uint64_t window, std::uint64_t bins, double share) : histogram_(window, bins), share_(share) {}

    WindowHistogram histogram_;
    double share_;
};

}  // namespace prynox
