#pragma once
// Power sums of the last N values around an anchor K: S_k = sum of (x - K)^k for k = 1 .. P
// (P = 2, 3 or 4), kept by adding the entering value's powers and subtracting the leaving
// value's. The first value is the anchor; after every N updates the anchor moves to the
// window's mean and the sums are rebuilt exactly from the window, which keeps them well
// conditioned for prices far from zero and bounds any drift (or overflow) to one rebuild.
// Powers are d * d, (d * d) * d and (d * d) * (d * d).
//
// The sums of a constant window may keep a rounding residue after a rebuild; the run of equal
// values says exactly when the window is constant, and the variance is then 0.
#include <array>
#include <cmath>
#include <cstdint>
#include <expected>

#include "indicators/cores/equal_run.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"

namespace prynox {

template <int P>
class MomentSums {
    static_assert(P >= 2 && P <= 4);

public:
    // Window check on the period: the one constructor that Variance, ZScore,
    // CoefficientOfVariation and FundingRateZScore share (StdDev's checks are the same). The
    // higher moments have minimum-length checks of their own.
    static std::expected<MomentSums, IndicatorError> create(std::uint64_t period)
        requires(P == 2);
    // For callers that already checked the period.
    explicit MomentSums(std::uint64_t period) : window_(period), run_(period), n_(static_cast<double>(window_.capacity())) {}

    // Takes a finite x. False (nothing changed) when the window's storage could not grow.
    [[nodiscard]] bool push(double x) {
        if (!window_.make_room()) return false;
        if (window_.full()) {
            double d = window_.pop_front() - anchor_;
            double d2 = d * d;
            s_[0] = s_[0] - d;
            s_[1] = s_[1] - d2;
            if constexpr (P >= 3) s_[2] = s_[2] - d2 * d;
            if constexpr (P >= 4) s_[3] = s_[3] - d2 * d2;
        }
        (void)window_.push(x);  // room was made above
        if (!anchored_) {
            anchor_ = x;
            anchored_ = true;
        }
        add(x - anchor_);
        run_.push(x);
        if (++updates_ >= window_.capacity()) rebuild();
        return true;
    }

    bool full() const { return window_.full(); }
    std::uint64_t period() const { return window_.capacity(); }
    double n() const { return n_; }
    double anchor() const { return anchor_; }
    // S_k for k = 1 .. P.
    double sum(int k) const { return s_[static_cast<std::size_t>(k - 1)]; }
    // The window holds a single value.
    bool constant() const { return run_.constant(); }
    const RollingWindow<double>& window() const { return window_; }

    // Population variance of a full window: max(S2 / n - (S1 / n)^2, 0) with -0.0 made +0.0;
    // exactly 0 for a constant window.
    double variance() const {
        if (run_.constant()) return 0.0;
        double m1 = s_[0] / n_;
        double v = s_[1] / n_ - m1 * m1;
        return v <= 0.0 ? 0.0 : v;
    }
    // Mean of a full window: K + S1 / n.
    double mean() const { return anchor_ + s_[0] / n_; }

private:
    void add(double d) {
        double d2 = d * d;
        s_[0] = s_[0] + d;
        s_[1] = s_[1] + d2;
        if constexpr (P >= 3) s_[2] = s_[2] + d2 * d;
        if constexpr (P >= 4) s_[3] = s_[3] + d2 * d2;
    }

    void rebuild() {
        double total = 0.0;
        window_.for_each([&total](double v) { total += v; });
        anchor_ = total / static_cast<double>(window_.size());
        s_.fill(0.0);
        window_.for_each([this](double v) { add(v - anchor_); });
        updates_ = 0;
    }

    RollingWindow<double> window_;
    EqualRun run_;
    double n_;
    double anchor_ = 0.0;
    std::array<double, P> s_{};
    std::uint64_t updates_ = 0;
    bool anchored_ = false;
};

template <int P>
std::expected<MomentSums<P>, IndicatorError> MomentSums<P>::create(std::uint64_t period)
    requires(P == 2)
{
    if (auto e = check_window(period)) return std::unexpected(*e);
    return MomentSums(period);
}

}  // namespace prynox
