#pragma once
// Gains and losses of a window of per-bar returns, oldest first: the values > 0 are gains, the
// values < 0 are losses taken as positive amounts, and zeros count as neither.
#include <cmath>
#include <cstdint>

#include "indicators/cores/rolling_window.hpp"

namespace prynox {

struct GainLossTally {
    double gains = 0.0;
    double losses = 0.0;
    std::uint64_t gain_count = 0;
    std::uint64_t loss_count = 0;

    static GainLossTally of(const RollingWindow<double>& window) {
        GainLossTally t;
        window.for_each([&t](double r) {
            if (r > 0.0) {
                t.gains += r;
                ++t.gain_count;
            } else if (r < 0.0) {
                t.losses += -r;
                ++t.loss_count;
            }
        });
        return t;
    }
    // Sums of huge returns can overflow; such a window has no meaningful ratio.
    bool finite() const { return std::isfinite(gains) && std::isfinite(losses); }
};

}  // namespace prynox
