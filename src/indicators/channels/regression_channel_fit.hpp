#pragma once
// The least-squares line of the last n closes refitted from the window on every bar (no running
// sums, so no drift), with bands m residual deviations either side of the line's newest value.
// LinRegChannel and StandardErrorBands differ only in the divisor of the residual sum.
#include <array>
#include <cstdint>

#include "indicators/cores/regression_constants.hpp"
#include "indicators/cores/rolling_window.hpp"

namespace prynox {

class RegressionChannelFit {
public:
    // n >= 2 is the caller's check, and the divisor is n or n - 2.
    RegressionChannelFit(std::uint64_t period, double multiplier, bool divide_by_n_minus_2)
        : window_(period),
          k_(regression_constants(period)),
          divisor_(divide_by_n_minus_2 ? k_.n - 2.0 : k_.n),
          multiplier_(multiplier) {}

    // (upper, middle, lower) once n closes are held; a non-finite close changes nothing, and a
    // band that leaves the doubles gives no value (the close staying in the window).
    bool step(double close, std::array<double, 3>& out);
    std::uint64_t period() const { return window_.capacity(); }

private:
    RollingWindow<double> window_;
    RegressionConstants k_;
    double divisor_;
    double multiplier_;
};

}  // namespace prynox
