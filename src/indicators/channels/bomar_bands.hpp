#pragma once
// Bomar bands: around the mean of the last n closes, bands at the c-quantile of the closes'
// relative deviations from the mean, so that a share c of the window lies within them.
#include <array>
#include <cstdint>
#include <expected>
#include <vector>

#include "indicators/cores/sorted_window.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class BomarBands {
public:
    static constexpr const char* kCoverageMessage = "bomar bands coverage must be a finite value in (0.0, 1.0]";
    static constexpr std::array<const char*, 3> kOutputNames{"upper", "middle", "lower"};

    // Window check of n, then c finite in (0, 1] (an InvalidParameter).
    static std::expected<BomarBands, IndicatorError> create(std::uint64_t period, double coverage);

    // A mean of exactly 0 gives three zero lines; a band that leaves the doubles (a sum that
    // overflows) gives no value, the close staying in the window.
    bool update_value(double close, std::array<double, 3>& out);
    // n
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    BomarBands(std::uint64_t period, double coverage) : window_(period), coverage_(coverage) {}

    // Sorted for every length: the deviation list is then a linear merge outward from the mean.
    SortedWindow window_;
    double coverage_;
    // The relative deviations, ascending; sized once the window has filled, then reused.
    std::vector<double> deviations_;
};

}  // namespace prynox
