#pragma once
// Trend intensity index: the share, in percent, of the positive deviations of the close from
// its P-bar average among all deviations of the last Q bars.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/flat_exact_sma.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Tii {
public:
    // Any zero, then the average period against MAX_PERIOD; the signal length is not bounded
    // (its window grows with the bars seen).
    static std::expected<Tii, IndicatorError> create(std::uint64_t period, std::uint64_t signal);

    OptionalValue update_value(double x);
    // P + Q - 1
    std::uint64_t warmup_period() const;

private:
    Tii(std::uint64_t period, std::uint64_t signal) : sma_(period), deviations_(signal) {}

    // The last P closes all equal: the mean is the close, so the deviation is exactly 0.
    FlatExactSma sma_;
    RollingWindow<double> deviations_;
    double up_ = 0.0;    // SD+: sum of the positive deviations
    double down_ = 0.0;  // SD-: sum of the magnitudes of the negative deviations
    // How many deviations of the window each sum holds: with none, the sum is exactly 0 (its
    // running value may keep a residue of the terms that left).
    std::uint64_t ups_ = 0;
    std::uint64_t downs_ = 0;
};

}  // namespace prynox
