#pragma once
// The last N values with their running sum and the count of their non-zero values, for the
// mean over the values that are not zero (0 when there are none). The count decides the zero
// case exactly. The sum is adjusted as values leave and enter; a large value that leaves takes
// the smaller ones it absorbed with it, so the sum is recomputed from the window (from -0.0,
// oldest first) once every N pushes, the first on the first push that drops a value (a filling
// window's running sum is already that recomputation). The values held at a recomputation have
// all left by the next one, so a count that falls to 0 in between leaves a residue that no mean
// reads. A residue can still push the sum below 0 while the count is not 0: the mean is then 0,
// never negative.
//
// A push is prepared first (nothing changes) and then committed, so a caller whose own later
// step fails can drop the value with its state untouched.
#include <cmath>
#include <cstdint>
#include <optional>

#include "indicators/cores/counted_sum.hpp"
#include "indicators/cores/rolling_window.hpp"

namespace prynox {

struct NonzeroMeanSums {
    CountedSum sum;
    std::uint64_t updates = 0;  // pushes since the last recomputation (or the start)

    double mean() const {
        if (sum.all_zero() || !(sum.sum > 0.0)) return 0.0;
        return sum.sum / static_cast<double>(sum.nonzero);
    }
};

class NonzeroMeanWindow {
public:
    // A length of 0 acts as 1.
    explicit NonzeroMeanWindow(std::uint64_t length) : window_(length) {}

    std::uint64_t length() const { return window_.capacity(); }
    bool full() const { return window_.full(); }
    // Whether the window holds N values once the next value is pushed.
    bool full_after_push() const { return window_.full() || window_.size() + 1 == window_.capacity(); }
    const NonzeroMeanSums& sums() const { return sums_; }

    // The sums once the finite x is pushed, or nothing (state unchanged) when storage could not
    // grow or the sum would not be finite.
    std::optional<NonzeroMeanSums> prepare(double x) {
        if (!window_.make_room()) [[unlikely]]
            return std::nullopt;
        NonzeroMeanSums s = sums_;
        s.sum = window_.full() ? s.sum.replaced(window_.oldest(), x) : s.sum.added(x);
        if (++s.updates > window_.capacity()) [[unlikely]] {
            s.sum.sum = resum(x);
            s.updates = 1;
        }
        if (!std::isfinite(s.sum.sum)) [[unlikely]]
            return std::nullopt;
        return s;
    }
    // Pushes x with the sums prepare(x) gave; nothing may change the window in between.
    void commit(double x, const NonzeroMeanSums& next) {
        (void)window_.push(x);  // prepare made room
        sums_ = next;
    }

private:
    // The sum of the window as it stands once x is pushed, oldest first.
    double resum(double x) const {
        double s = -0.0;
        window_.for_each_once_pushed(x, [&s](double v) { s += v; });
        return s;
    }

    RollingWindow<double> window_;
    NonzeroMeanSums sums_;
};

}  // namespace prynox
