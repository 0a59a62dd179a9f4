#pragma once
// A window whose sum is taken afresh, oldest first from 0, on every bar once it is full. While it
// fills nothing leaves it, so the running sum is that same sum, bit for bit: a window far longer
// than the series costs one addition a bar instead of a re-sum of everything seen so far. The sum
// is known before the push, so that an update can refuse a value whose sum would not be finite.
#include <cstddef>
#include <cstdint>

#include "indicators/cores/rolling_window.hpp"

namespace prynox {

class FreshSumWindow {
public:
    explicit FreshSumWindow(std::uint64_t length) : values_(length) {}

    std::uint64_t capacity() const { return values_.capacity(); }
    bool full() const { return values_.full(); }

    // The sum the window will hold once `x` is pushed (its oldest value dropped when full).
    double sum_after_push(double x) const {
        if (!values_.full()) return filling_ + x;
        double sum = 0.0;
        for (std::size_t i = 1; i < values_.size(); ++i) sum += values_[i];
        return sum + x;
    }

    [[nodiscard]] bool make_room() { return values_.make_room(); }
    // After make_room; `sum` is sum_after_push(x).
    void push(double x, double sum) {
        (void)values_.push(x);
        filling_ = sum;
    }

private:
    RollingWindow<double> values_;
    double filling_ = 0.0;  // the sum while the window fills
};

}  // namespace prynox
