#pragma once
// Disparity index: the close's distance from its N-bar simple average, in percent of it.
#include <cstdint>
#include <expected>
#include <optional>
#include <utility>

#include "indicators/cores/flat_exact_sma.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class DisparityIndex {
public:
    // The window check.
    static std::expected<DisparityIndex, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return sma_.period(); }

private:
    explicit DisparityIndex(FlatExactSma sma) : sma_(std::move(sma)) {}

    // A window of N equal closes has the close itself as its mean, whatever the running sum's
    // drift (an all-zero window would otherwise read as -100).
    FlatExactSma sma_;
};

}  // namespace prynox
