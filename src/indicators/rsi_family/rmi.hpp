#pragma once
// Relative momentum index: an RSI of M-bar changes (the close against the close M bars ago),
// seeded with the plain means of the first N changes, then smoothed as
// (new + average * (N - 1)) / N.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/seeded_gain_loss.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Rmi {
public:
    // Either zero; neither length is bounded by MAX_PERIOD (the close window grows with the
    // data and the seed needs only its sums).
    static std::expected<Rmi, IndicatorError> create(std::uint64_t period, std::uint64_t momentum);

    OptionalValue update_value(double x);
    // N + M
    std::uint64_t warmup_period() const;

private:
    Rmi(std::uint64_t period, std::uint64_t momentum)
        : closes_(momentum), period_(period), n_(static_cast<double>(period)), averages_(period) {}

    RollingWindow<double> closes_;  // the last M closes
    std::uint64_t period_;
    double n_;
    SeededGainLoss averages_;
};

}  // namespace prynox
