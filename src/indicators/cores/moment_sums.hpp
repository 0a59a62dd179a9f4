#pragma once
// Power sums of the last N values around an anchor K: S_k = sum of (x - K)^k for k = 1 .. P
// (P = 2, 3 or 4), kept by adding the entering value's powers and subtracting the leaving
// value's. The first value is the anchor; after every N updates (when the window first fills,
// then on every lap of its ring) the anchor moves to the window's mean and the sums are rebuilt
// exactly from the window, which keeps them well conditioned for prices far from zero and
// bounds any drift (or overflow) to one rebuild.
// Powers are d * d, (d * d) * d and (d * d) * (d * d).
//
// The sums of a constant window may keep a rounding residue after a rebuild; the run of equal
// values says exactly when the window is constant, and the variance is then 0.
#include <array>
#include <cmath>
#include <cstdint>
#include <expected>
#include <type_traits>

#include "indicators/cores/equal_run.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/fixed_ring.hpp"
#include "indicators/cores/fused_pair.hpp"

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
    explicit MomentSums(std::uint64_t period) : ring_(period), run_(period), n_(static_cast<double>(ring_.period())) {}

    // Takes a finite x. False (nothing changed) when the window's storage could not grow.
    [[nodiscard]] bool push(double x) {
        if (!ring_.full()) [[unlikely]]
            return push_filling(x);
        // The sums are read once and written once, at one width: a store read back in halves
        // would wait for the store to retire on the next update.
        Sums s = sums_;
        s.subtract(ring_.at_head() - anchor_);
        const bool lap = ring_.overwrite_oldest(x);
        s.add(x - anchor_);
        sums_ = s;
        run_.push(x);
        arrived_sum_ += x;
        if (lap) [[unlikely]]
            rebuild();
        return true;
    }

    bool full() const { return ring_.full(); }
    std::uint64_t period() const { return ring_.period(); }
    double n() const { return n_; }
    double anchor() const { return anchor_; }
    // S_k for k = 1 .. P.
    double sum(int k) const {
        if constexpr (P > 2) {
            if (k > 2) return sums_.high[static_cast<std::size_t>(k - 3)];
        }
        return sums_.low[k - 1];
    }
    // The window holds a single value.
    bool constant() const { return run_.constant(); }
    const FixedRing& window() const { return ring_; }

    // Population variance of a full window: max(S2 / n - (S1 / n)^2, 0) with -0.0 made +0.0;
    // exactly 0 for a constant window.
    double variance() const {
        if (run_.constant()) return 0.0;
        // Both quotients in one division.
        const DoublePair q = sums_.low / DoublePair{n_, n_};
        const double m1 = q[0];
        const double v = q[1] - m1 * m1;
        return v <= 0.0 ? 0.0 : v;
    }
    // Mean of a full window: K + S1 / n.
    double mean() const { return anchor_ + sums_.low[0] / n_; }

private:
    struct Empty {};
    // S1, S2 side by side, then S3 and S4 where kept.
    struct Sums {
        DoublePair low{0.0, 0.0};
        [[no_unique_address]] std::conditional_t<(P > 2), std::array<double, P - 2>, Empty> high{};

        void add(double d) {
            const double d2 = d * d;
            low = low + DoublePair{d, d2};
            if constexpr (P >= 3) high[0] = high[0] + d2 * d;
            if constexpr (P >= 4) high[1] = high[1] + d2 * d2;
        }
        void subtract(double d) {
            const double d2 = d * d;
            low = low - DoublePair{d, d2};
            if constexpr (P >= 3) high[0] = high[0] - d2 * d;
            if constexpr (P >= 4) high[1] = high[1] - d2 * d2;
        }
    };

    [[gnu::noinline]] bool push_filling(double x) {
        if (!ring_.fill(x)) return false;
        if (ring_.count() == 1) anchor_ = x;
        sums_.add(x - anchor_);
        run_.push(x);
        arrived_sum_ += x;
        if (ring_.full()) rebuild();
        return true;
    }

    // Runs on a full ring only: N values, oldest first in ring order, which are the values
    // taken since the last rebuild.
    [[gnu::noinline]] void rebuild() {
        anchor_ = arrived_sum_ / n_;
        arrived_sum_ = 0.0;
        Sums s;
        const double a = anchor_;
        ring_.for_each_in_ring_order([&s, a](double v) { s.add(v - a); });
        sums_ = s;
    }

    FixedRing ring_;
    EqualRun run_;
    double n_;
    double anchor_ = 0.0;
    Sums sums_;
    // The values taken since the last rebuild, summed as they arrived. A rebuild comes after
    // every N values taken: when the ring first fills and then whenever its head wraps. The
    // window then holds exactly these values, oldest first, so its sum is this one.
    double arrived_sum_ = 0.0;
};

template <int P>
std::expected<MomentSums<P>, IndicatorError> MomentSums<P>::create(std::uint64_t period)
    requires(P == 2)
{
    if (auto e = check_window(period)) return std::unexpected(*e);
    return MomentSums(period);
}

}  // namespace prynox
