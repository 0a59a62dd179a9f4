#pragma once
// Universal oscillator: the two-bar change of the close (white noise) through a super
// smoother, divided by its slowly decaying peak magnitude, in [-1, 1].
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/super_smoother_stage.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class UniversalOscillator {
public:
    // Window check on the period.
    static std::expected<UniversalOscillator, IndicatorError> create(std::uint64_t period);

    // No value for the first two closes. A two-bar change beyond the largest double repeats
    // the last value (none before the first); a smoothed value that overflows gives nothing
    // and changes nothing.
    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return 3; }

private:
    explicit UniversalOscillator(std::uint64_t period) : smoother_(static_cast<double>(period)) {}

    void shift(double x) {
        x2_ = x1_;
        x1_ = x;
        if (seen_ < 2) ++seen_;
    }

    SuperSmootherStage smoother_;
    double x1_ = 0.0;  // previous close
    double x2_ = 0.0;  // the close before it
    std::uint32_t seen_ = 0;  // earlier closes, up to 2
    double peak_ = 0.0;
    OptionalValue last_;
};

}  // namespace prynox
