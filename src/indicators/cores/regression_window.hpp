#pragma once
// Least-squares line through the last N values (positions 0 .. N - 1, oldest at 0), from sums
// of deviations around an anchor that is moved to the window's mean after every N updates.
// The cores below read the line in three ways.
#include <cmath>
#include <cstdint>
#include <optional>

#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

struct RegressionLine {
    double slope;
    double intercept;  // the line's value at position 0, the oldest value
};

class RegressionWindow {
public:
    // N >= 2 is the caller's check; Sx and Den are fixed here.
    explicit RegressionWindow(std::uint64_t period);

    // Pushes a finite x; the line once N values are held. A non-finite x changes nothing.
    std::optional<RegressionLine> push(double x);

    std::uint64_t period() const { return window_.capacity(); }
    std::uint64_t warmup_period() const { return window_.capacity(); }
    double n() const { return n_; }
    double sum_x() const { return sx_; }
    double denominator() const { return den_; }
    const RollingWindow<double>& window() const { return window_; }
    // The shifted sums over the held values: Sy = sum of d, Sxy = sum of i * d, Syy = sum of
    // d * d with d = value - anchor.
    double anchor() const { return anchor_; }
    double sy() const { return sy_; }
    double sxy() const { return sxy_; }
    double syy() const { return syy_; }

private:
    void reanchor();

    RollingWindow<double> window_;
    double n_;
    double sx_;
    double den_;
    double anchor_ = 0.0;
    double sy_ = 0.0;
    double sxy_ = 0.0;
    double syy_ = 0.0;
    std::uint64_t updates_ = 0;
    bool anchored_ = false;
};

// The line's value at the newest position: intercept + slope * (N - 1).
OptionalValue linear_regression_value(RegressionWindow& w, double x);
// The slope.
OptionalValue linreg_slope_value(RegressionWindow& w, double x);
// The line one position after the newest: slope * N + intercept.
OptionalValue tsf_value(RegressionWindow& w, double x);

}  // namespace prynox
