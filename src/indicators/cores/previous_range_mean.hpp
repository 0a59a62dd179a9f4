#pragma once
// The mean range of the five valid candles before the current one, recomputed from the kept
// ranges on every bar (summed oldest first): the yardstick of the short and long line patterns.
// Kept inline, so nothing is ever allocated.
#include <array>
#include <cstddef>
#include <cstdint>

#include "indicators/optional_value.hpp"

namespace prynox {

class PreviousRangeMean {
public:
    static constexpr std::size_t kWindow = 5;

    std::uint64_t window() const { return kWindow; }

    // The mean of the kWindow ranges before `range`, nothing while fewer were kept; `range`
    // then replaces the oldest.
    OptionalValue push(double range) {
        if (held_ < kWindow) {
            ranges_[held_++] = range;
            return std::nullopt;
        }
        double sum = 0.0;
        for (std::size_t i = 0, k = oldest_; i < kWindow; ++i, k = k + 1 == kWindow ? 0 : k + 1) sum += ranges_[k];
        ranges_[oldest_] = range;
        oldest_ = oldest_ + 1 == kWindow ? 0 : oldest_ + 1;
        return sum / static_cast<double>(kWindow);
    }

private:
    std::array<double, kWindow> ranges_{};
    std::size_t held_ = 0;
    std::size_t oldest_ = 0;
};

}  // namespace prynox
