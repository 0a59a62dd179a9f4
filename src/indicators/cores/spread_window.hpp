#pragma once
// The last N spreads (close minus reference) of a type that refits its whole window on every
// bar, handed to the fit as one contiguous list, oldest first. A spread that overflows is a
// rejected input: it would otherwise sit in the window as an infinity for N bars.
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/window_copy.hpp"

namespace prynox {

class SpreadWindow {
public:
    explicit SpreadWindow(std::uint64_t period) : ring_(period) {}

    // False when the spread is not finite or the storage could not grow: nothing changed.
    [[nodiscard]] bool take(double close, double reference) {
        const double s = close - reference;
        return std::isfinite(s) && ring_.push(s);
    }
    // The full window oldest first; empty while it fills, or when the copy's buffer could not
    // grow (the next bar tries again).
    std::span<const double> full_window() {
        if (!ring_.full()) return {};
        return copy_window(ring_, copy_);
    }

    // Takes the bar's spread and gives the full window, or an empty list when the spread was
    // refused or the window is not yet full.
    std::span<const double> take_full(double close, double reference) {
        if (!take(close, reference)) [[unlikely]]
            return {};
        return full_window();
    }

    std::uint64_t period() const { return ring_.capacity(); }

private:
    RollingWindow<double> ring_;
    std::vector<double> copy_;
};

}  // namespace prynox
