#pragma once
// Least-squares line through the last N values (positions 0 .. N - 1, oldest at 0), from sums
// of deviations around an anchor that is moved to the window's mean after every N updates: when
// the window first fills and then on every lap of the ring. The window then holds exactly the
// values taken since the last move, so their sum in window order is kept as they arrive.
#include <cmath>
#include <cstdint>

#include "indicators/cores/fixed_ring.hpp"
#include "indicators/cores/fused_pair.hpp"

namespace prynox {

struct RegressionLine {
    double slope;
    double intercept;  // the line's value at position 0, the oldest value
};

class RegressionWindow {
public:
    // N >= 2 is the caller's check; Sx and Den are fixed here.
    explicit RegressionWindow(std::uint64_t period);

    // Takes a finite x. False (nothing changed) when the window's storage could not grow.
    [[nodiscard]] bool take(double x) {
        if (!ring_.full()) [[unlikely]]
            return take_filling(x);
        // Read the sums before the slot write, which the compiler must assume may alias them.
        // Each running value is loaded and stored once per update, at one width (Sy and Syy as
        // a pair): a store read back at another width waits for the store to retire.
        const DoublePair s = sums_;
        const double d_o = ring_.at_head() - anchor_;
        const double sxy = d_o + (sxy_ - s[0]);
        const DoublePair kept = s - DoublePair{d_o, d_o * d_o};
        const bool lap = ring_.overwrite_oldest(x);
        const double d = x - anchor_;
        sums_ = kept + DoublePair{d, d * d};
        sxy_ = last_position_ * d + sxy;
        arrived_sum_ += x;
        if (lap) [[unlikely]]
            reanchor();
        return true;
    }

    bool full() const { return ring_.full(); }
    // The line through a full window.
    RegressionLine line() const {
        const double sy = sums_[0];
        const double b = (sxy_ * n_ - sx_ * sy) / den_;
        return {b, anchor_ + (sy - sx_ * b) / n_};
    }

    std::uint64_t period() const { return ring_.period(); }
    std::uint64_t warmup_period() const { return ring_.period(); }
    double n() const { return n_; }
    double sum_x() const { return sx_; }
    double denominator() const { return den_; }
    // The shifted sums over the held values: Sy = sum of d, Sxy = sum of i * d, Syy = sum of
    // d * d with d = value - anchor.
    double anchor() const { return anchor_; }
    double sy() const { return sums_[0]; }
    double sxy() const { return sxy_; }
    double syy() const { return sums_[1]; }

private:
    [[gnu::noinline]] bool take_filling(double x);
    [[gnu::noinline]] void reanchor();

    // The running values lie between fixed ones, so that the compiler cannot merge their
    // stores into one wider store that the next update reads back in halves.
    FixedRing ring_;
    DoublePair sums_{0.0, 0.0};  // Sy, Syy
    double n_;
    double sxy_ = 0.0;
    double last_position_;  // N - 1, the newest value's position once full
    double arrived_sum_ = 0.0;  // the values taken since the last move of the anchor, in order
    double sx_;
    double den_;
    double anchor_ = 0.0;
};

}  // namespace prynox
