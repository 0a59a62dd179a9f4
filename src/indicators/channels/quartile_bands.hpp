#pragma once
// Quartile bands: the 0.75, 0.5 and 0.25 quantiles of the last n closes, each interpolated
// linearly between neighbouring order statistics.
#include <array>
#include <cstdint>
#include <expected>
#include <utility>

#include "indicators/cores/sorted_window.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class QuartileBands {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"upper", "middle", "lower"};

    // The sorted window's check (the constructor shared with RollingIqr).
    static std::expected<QuartileBands, IndicatorError> create(std::uint64_t period);

    // A quantile that leaves the doubles (neighbours at opposite ends of them) gives no value.
    bool update_value(double close, std::array<double, 3>& out);
    // n
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit QuartileBands(SortedWindow window) : window_(std::move(window)) {}

    SortedWindow window_;
};

}  // namespace prynox
