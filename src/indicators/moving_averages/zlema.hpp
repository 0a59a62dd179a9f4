#pragma once
// Zero-lag EMA: the EMA of 2 * x - (the value L = (N - 1) / 2 inputs back), which cancels the
// EMA's lag on a linear trend.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Zlema {
public:
    static std::expected<Zlema, IndicatorError> create(std::uint64_t period);
    // For callers that already checked the period; 0 acts as 1.
    explicit Zlema(std::uint64_t period);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) return std::nullopt;
        if (!window_.push(x)) return std::nullopt;
        if (!window_.full()) return std::nullopt;
        double adjusted = std::fma(2.0, x, -window_.oldest());
        if (!std::isfinite(adjusted)) return std::nullopt;  // the window keeps x
        return ema_.step(adjusted);
    }

    std::uint64_t period() const { return ema_.period(); }
    std::uint64_t lag() const { return lag_; }
    std::uint64_t warmup_period() const { return sat_add(ema_.period(), lag_); }

private:
    std::uint64_t lag_;
    RollingWindow<double> window_;
    EmaStage ema_;
};

}  // namespace prynox
