#pragma once
// Disparity index: the close's distance from its N-bar simple average, in percent of it.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/equal_run.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/sma.hpp"

namespace prynox {

class DisparityIndex {
public:
    // The window check.
    static std::expected<DisparityIndex, IndicatorError> create(std::uint64_t period);

    std::optional<double> update_value(double x);
    std::uint64_t warmup_period() const { return sma_.period(); }

private:
    explicit DisparityIndex(std::uint64_t period) : sma_(period), run_(period) {}

    Sma sma_;
    // A window of N equal closes has the close itself as its mean; the running sum of the
    // average may be off by its drift there (an all-zero window would read as -100).
    EqualRun run_;
};

}  // namespace prynox
