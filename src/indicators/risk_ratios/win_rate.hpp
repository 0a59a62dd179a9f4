#pragma once
// Share of positive values among the last N returns, from a count kept as values leave and
// enter.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class WinRate {
public:
    static std::expected<WinRate, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        bool was_full = window_.full();
        bool old_win = was_full && window_.oldest() > 0.0;
        if (!window_.push(x)) [[unlikely]]
            return std::nullopt;
        wins_ = wins_ - (old_win ? 1 : 0) + (x > 0.0 ? 1 : 0);
        if (!window_.full()) [[unlikely]]
            return std::nullopt;
        return static_cast<double>(wins_) / n_;
    }
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit WinRate(std::uint64_t period) : window_(period), n_(static_cast<double>(period)) {}

    RollingWindow<double> window_;
    double n_;
    std::uint64_t wins_ = 0;
};

}  // namespace prynox
