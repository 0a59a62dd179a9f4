#pragma once
// Adaptive Laguerre filter: a four-element Laguerre filter whose damping alpha is the median of
// the last five normalised distances of the close from the filter's previous output, each
// placed within the range of the last `period` such distances. The range comes from
// WindowExtremes in O(1) per close; its storage grows with the closes seen.
#include <array>
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/window_extremes.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class AdaptiveLaguerreFilter {
public:
    // Window check on the period.
    static std::expected<AdaptiveLaguerreFilter, IndicatorError> create(std::uint64_t period);

    // The filter advances from the first close; a value comes once `period` distances are held.
    // A distance or output that overflows gives nothing and changes nothing.
    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return diffs_.length(); }
    // Slots the window has allocated (it grows with the closes seen).
    std::size_t storage() const { return diffs_.storage(); }

private:
    explicit AdaptiveLaguerreFilter(std::uint64_t period) : diffs_(period) {}

    static constexpr std::size_t kMedianLength = 5;

    OptionalValue last_;  // previous output
    WindowExtremes diffs_;  // of the distances
    std::array<double, 4> l_{0.0, 0.0, 0.0, 0.0};
    double alpha_ = 1.0;
    std::array<double, kMedianLength> recent_{};  // oldest first
    std::size_t recent_count_ = 0;
};

}  // namespace prynox
