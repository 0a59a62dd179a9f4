#pragma once
// True strength index: the one-bar momentum smoothed by a long then a short EMA, over the same
// double smoothing of its magnitude, in percent (0 when the smoothed magnitude is 0).
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Tsi {
public:
    // Zeros of both, then MAX_PERIOD on both.
    static std::expected<Tsi, IndicatorError> create(std::uint64_t long_period, std::uint64_t short_period);

    OptionalValue update_value(double x);
    // R + Q
    std::uint64_t warmup_period() const { return sat_add(momentum_long_.period(), momentum_short_.period()); }

private:
    Tsi(std::uint64_t long_period, std::uint64_t short_period)
        : momentum_long_(long_period), momentum_short_(short_period), absolute_long_(long_period),
          absolute_short_(short_period) {}

    EmaStage momentum_long_;
    EmaStage momentum_short_;
    EmaStage absolute_long_;
    EmaStage absolute_short_;
    double previous_ = 0.0;
    bool has_previous_ = false;
};

}  // namespace prynox
