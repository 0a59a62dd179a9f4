#pragma once
// Median channel: the median of the last n closes, with bands m median absolute deviations
// (unscaled) either side.
#include <array>
#include <cstdint>
#include <expected>
#include <vector>

#include "indicators/cores/sorted_window.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class MedianChannel {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"upper", "middle", "lower"};

    // Window check of n, then the multiplier check of m.
    static std::expected<MedianChannel, IndicatorError> create(std::uint64_t period, double multiplier);

    // A band that leaves the doubles gives no value (the close stays in the window).
    bool update_value(double close, std::array<double, 3>& out);
    // n
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    MedianChannel(std::uint64_t period, double multiplier) : window_(period), multiplier_(multiplier) {}

    SortedWindow window_;
    double multiplier_;
    // The absolute deviations, ascending; sized once the window has filled, then reused.
    std::vector<double> deviations_;
};

}  // namespace prynox
