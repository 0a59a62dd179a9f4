#pragma once
// The last N closes and a formula that reads the whole window once it is full: the shape of
// the drawdown and ratio types whose value is recomputed from their window on every bar (no
// running state can drift, so nothing but the window is kept). The formula type supplies the
// constructor check of the period, any parameters of its own, and the value of a full window,
// or none where its arithmetic leaves the finite range (a compounded equity curve that
// overflows, say): that bar gives nothing, and the window still takes the close.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>
#include <utility>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

template <class Formula>
class ScannedWindow {
public:
    static std::expected<ScannedWindow, IndicatorError> create(std::uint64_t period) {
        return with_formula(period, Formula{});
    }
    // For a formula that carries parameters of its own.
    static std::expected<ScannedWindow, IndicatorError> with_formula(std::uint64_t period, Formula formula) {
        if (auto e = Formula::check(period)) return std::unexpected(*e);
        return ScannedWindow(period, std::move(formula));
    }

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        if (!window_.push(x)) [[unlikely]]
            return std::nullopt;
        if (!window_.full()) [[unlikely]]
            return std::nullopt;
        return formula_(window_);
    }
    std::uint64_t warmup_period() const { return window_.capacity(); }
    const RollingWindow<double>& window() const { return window_; }
    const Formula& formula() const { return formula_; }

private:
    ScannedWindow(std::uint64_t period, Formula formula) : window_(period), formula_(std::move(formula)) {}

    RollingWindow<double> window_;
    Formula formula_;
};

}  // namespace prynox
