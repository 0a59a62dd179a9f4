#pragma once
// Mean and sample variance of the last N per-bar returns from sums of deviations around a
// moving anchor (see shifted_sums_window.hpp), for the excess-return ratios. The variance is
// (S2 - N (S1 / N)^2) / (N - 1) with the product rounded on its own, floored at +0, and exactly
// 0 for a window of N bit-identical values, whose sums may carry a residue after a rebuild.
#include <cstdint>
#include <optional>

#include "indicators/cores/shifted_sums_window.hpp"

namespace prynox {

struct ReturnMoments {
    double mean;
    double variance;
};

class ReturnMomentsWindow {
public:
    // A length of 0 acts as 1.
    explicit ReturnMomentsWindow(std::uint64_t length) : sums_(length), n_(static_cast<double>(sums_.length())) {}

    // Takes a finite x. None while the window fills, and none with nothing changed when x cannot
    // be taken (its deviations would not be finite, or storage could not grow).
    std::optional<ReturnMoments> push(double x) {
        if (!sums_.push(x)) [[unlikely]]
            return std::nullopt;
        if (!sums_.full()) [[unlikely]]
            return std::nullopt;
        return moments(sums_.sums());
    }

    // The same in two steps, for a caller whose own later step may refuse the value: the sums
    // once x is pushed (nothing changes), then the push itself with those sums.
    const ShiftedSums* prepare(double x) { return sums_.prepare(x); }
    void commit(const ShiftedSums& next) { sums_.commit(next); }
    bool full_after_push() const { return sums_.full_after_push(); }

    // The moments of a full window with sums s.
    ReturnMoments moments(const ShiftedSums& s) const {
        double u = s.s1 / n_;
        double mean = s.anchor + u;
        if (s.equal_run >= sums_.length()) return ReturnMoments{mean, 0.0};
        double v = (s.s2 - n_ * (u * u)) / (n_ - 1.0);
        return ReturnMoments{mean, v > 0.0 ? v : 0.0};  // also turns -0.0 into +0.0
    }

    std::uint64_t length() const { return sums_.length(); }

private:
    ShiftedSumsWindow sums_;
    double n_;
};

}  // namespace prynox
