#pragma once
// The last N values with their running sum: the leaving value subtracted, the entering one
// added, and the sum recomputed exactly from the window (from -0.0, oldest first) once every
// N accepted pushes, which bounds its drift. A push whose running sum would not be finite is
// refused with nothing changed, so one huge value cannot poison the sum; a recomputation that
// would not be finite is skipped and the running sum kept. A type with a value that does not
// read the sum may take such a value all the same (push_unsummed): its sum is then not finite
// until the recomputation at the usual cadence finds the window's sum finite again.
#include <cmath>
#include <cstdint>
#include <expected>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class ResummedWindow {
public:
    // The window check on the length: the one constructor that GeometricMa, GainToPainRatio
    // and FundingRateMean share. GainToPainRatio runs the check only; its window keeps loss
    // sums instead (SumAndLosses).
    static CheckResult check(std::uint64_t length) { return check_window(length); }
    static std::expected<ResummedWindow, IndicatorError> create(std::uint64_t length) {
        if (auto e = check(length)) return std::unexpected(*e);
        return ResummedWindow(length);
    }
    // For callers that already checked the length; 0 acts as 1.
    explicit ResummedWindow(std::uint64_t length) : window_(length) {}

    // Takes a finite x; false (nothing changed) when it cannot be taken.
    [[nodiscard]] bool push(double x) {
        double s = next_sum(x);
        if (!std::isfinite(s)) [[unlikely]]
            return false;
        return take(x, s);
    }

    // Takes a finite x whatever its running sum; false (nothing changed) only when the window's
    // storage could not grow. sum() is not finite while the sum has overflowed.
    [[nodiscard]] bool push_unsummed(double x) { return take(x, next_sum(x)); }

    const RollingWindow<double>& values() const { return window_; }
    std::uint64_t length() const { return window_.capacity(); }
    bool full() const { return window_.full(); }
    double sum() const { return sum_; }

private:
    double next_sum(double x) const { return window_.full() ? (sum_ - window_.oldest()) + x : sum_ + x; }

    bool take(double x, double s) {
        if (!window_.push(x)) [[unlikely]]
            return false;
        sum_ = s;
        if (++updates_ >= window_.capacity()) [[unlikely]]
            resum();
        return true;
    }

    void resum() {
        double s = -0.0;
        window_.for_each([&s](double v) { s += v; });
        if (std::isfinite(s)) sum_ = s;
        updates_ = 0;
    }

    RollingWindow<double> window_;
    double sum_ = 0.0;
    std::uint64_t updates_ = 0;
};

}  // namespace prynox
