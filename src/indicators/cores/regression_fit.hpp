#pragma once
// The least-squares line of the last N closes (the regression window) together with the run of
// equal closes: the window's shifted sums keep a rounding residue after re-anchoring, so a flat
// window is recognised by the run and given the flat line through its value exactly (slope 0).
#include <cmath>
#include <cstdint>
#include <optional>

#include "indicators/cores/equal_run.hpp"
#include "indicators/cores/regression_window.hpp"

namespace prynox {

class RegressionFit {
public:
    // N >= 2 is the caller's check.
    explicit RegressionFit(std::uint64_t period) : window_(period), run_(period) {}

    // Pushes a finite x; the line once N closes are held. A non-finite x, or one the window
    // could not make room for, changes nothing.
    std::optional<RegressionLine> push(double x) {
        if (!std::isfinite(x) || !window_.take(x)) [[unlikely]]
            return std::nullopt;
        const bool flat = run_.push(x);
        if (!window_.full()) [[unlikely]]
            return std::nullopt;
        if (flat) [[unlikely]]
            return RegressionLine{0.0, x};
        return window_.line();
    }

    // The last N closes are all equal (only meaningful once the window is full).
    bool flat() const { return run_.constant(); }
    const RegressionWindow& window() const { return window_; }
    double n() const { return window_.n(); }
    std::uint64_t period() const { return window_.period(); }

    // The line at the newest position and one position later.
    double at_newest(const RegressionLine& l) const { return (window_.n() - 1.0) * l.slope + l.intercept; }
    double forecast(const RegressionLine& l) const { return l.slope * window_.n() + l.intercept; }

private:
    RegressionWindow window_;
    EqualRun run_;
};

}  // namespace prynox
