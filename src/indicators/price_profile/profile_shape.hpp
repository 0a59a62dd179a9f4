#pragma once
// Profile shape: where the point of control of the volume profile of the last n bars lies among
// b bins: -1 in the lower third (bins below b / 3, rounded down), +1 in the upper third, 0
// between. A window without range or without volume has its point of control in bin 0 and
// gives -1.
//
// A candle that would give the window a range, or a total volume, beyond the doubles gives
// nothing and changes nothing.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/profile_bins.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kProfileShapeBins = "profile shape needs bins >= 3";

class ProfileShape {
public:
    // The window check on n, then at least 3 bins (with its own message), then the maximum.
    static std::expected<ProfileShape, IndicatorError> create(std::uint64_t period, std::uint64_t bins);

    // Rebuilds the profile from the window on every full bar.
    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return window_.candles.capacity(); }

private:
    ProfileShape(std::uint64_t period, std::uint64_t bins) : window_(period), bins_(bins), scratch_(bins) {}

    ProfileWindow window_;
    std::uint64_t bins_;
    BinScratch<double> scratch_;
};

}  // namespace prynox
