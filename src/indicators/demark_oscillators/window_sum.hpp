#pragma once
// The sum, oldest first from 0, that a window re-summed on every bar will hold once `x` has been
// pushed: the values after the oldest when the window is full, then x. Lets an update see the
// sum before it changes anything.
#include <cstddef>

#include "indicators/cores/rolling_window.hpp"

namespace prynox {

inline double sum_after_push(const RollingWindow<double>& w, double x) {
    double sum = 0.0;
    for (std::size_t i = w.full() ? 1 : 0; i < w.size(); ++i) sum += w[i];
    return sum + x;
}

}  // namespace prynox
