#pragma once
// The last N values with sums of their deviations from an anchor K (S1 = sum of (v - K),
// S2 = sum of (v - K)^2): the first value becomes K, each push adds the entering deviation and
// subtracts the leaving one, and after every N pushes K moves to the window's mean and the sums
// are rebuilt exactly from the window, so they stay well conditioned far from zero.
//
// A push is prepared first (nothing changes) and then committed, so a caller that finds the
// prepared sums unusable, or whose own later step fails, can drop the value with its state
// untouched. A push is refused when the window's storage cannot grow or when the sums would stop
// being finite (deviations too large to square); a rebuild that would not be finite is skipped
// and the running sums kept. A window of N bit-identical values has variance exactly 0, whatever
// drift the sums carry.
#include <bit>
#include <cmath>
#include <cstdint>

#include "indicators/cores/fused.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/invariant.hpp"

namespace prynox {

// How a push may go: `any`; `in_room` for a window whose next_push_has_room() said it takes no
// allocation; `plain` for one whose next_push_is_plain() said it takes neither an allocation
// nor a rebuild. The last two hold no call (a rebuild is done in line), so that an owner's
// values can stay in registers across them. The results are the same whichever is taken.
enum class PushPath { any, in_room, plain };

// The scalar part of the state: what a prepared push replaces on commit.
struct ShiftedSums {
    double anchor = 0.0;
    double s1 = 0.0;
    double s2 = 0.0;
    double last = 0.0;            // the newest value, for the run of equal values
    // The values pushed since the last rebuild, summed as they arrived: the rebuild comes after
    // every N pushes, so the window then holds exactly these, oldest first.
    double arrived = 0.0;
    std::uint64_t updates = 0;    // pushes since the last rebuild
    std::uint64_t equal_run = 0;  // bit-identical values ending at the newest, capped at N
    bool anchored = false;
};

class ShiftedSumsWindow {
public:
    // A length of 0 acts as 1.
    explicit ShiftedSumsWindow(std::uint64_t length)
        : window_(length), n_(static_cast<double>(window_.capacity())) {}

    std::uint64_t length() const { return window_.capacity(); }
    std::size_t size() const { return window_.size(); }
    bool full() const { return window_.full(); }
    // Whether the window holds N values once the next value is pushed.
    bool full_after_push() const { return window_.full() || window_.size() + 1 == window_.capacity(); }
    const RollingWindow<double>& values() const { return window_; }
    const ShiftedSums& sums() const { return sums_[current_]; }
    // Whether the next push takes no allocation; whether it takes neither that nor a rebuild.
    bool next_push_has_room() const { return window_.has_room(); }
    bool next_push_is_plain() const {
        return window_.has_room() && sums_[current_].updates + 1 < window_.capacity();
    }

    // The sums once x is pushed, or null (state unchanged) when x cannot be taken. x is finite.
    // They are written to the window's spare set, which commit makes current: no copy of the
    // sums goes through the caller's stack. `seen`, when given, gets the prepared sums as they are
    // computed, so that a caller can take its moments without reading them back from memory.
    const ShiftedSums* prepare(double x) { return prepare(x, [](const ShiftedSums&) {}); }
    template <PushPath Path = PushPath::any, class F>
    const ShiftedSums* prepare(double x, F&& seen) {
        if constexpr (Path == PushPath::any) {
            if (!window_.make_room()) [[unlikely]]
                return nullptr;
        }
        ShiftedSums s = sums_[current_];
        if (!s.anchored) {
            s.anchor = x;
            s.anchored = true;
        }
        if (window_.full()) {
            double d_old = window_.oldest() - s.anchor;
            s.s1 = s.s1 - d_old;
            s.s2 = s.s2 - d_old * d_old;
        }
        double d = x - s.anchor;
        s.s1 = s.s1 + d;
        s.s2 = s.s2 + d * d;
        bool same = s.equal_run > 0 && std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(s.last);
        s.equal_run = same ? (s.equal_run < window_.capacity() ? s.equal_run + 1 : s.equal_run) : 1;
        s.last = x;
        s.arrived += x;
        ++s.updates;
        if (Path != PushPath::plain && s.updates >= window_.capacity()) [[unlikely]] {
            // By value, and out of line on the `any` path, so that `s` can stay in registers.
            const Rebuilt r = Path == PushPath::in_room ? rebuilt(x, s.arrived / n_) : rebuild(x, s.arrived / n_);
            if (r.finite) {
                s.anchor = r.anchor;
                s.s1 = r.s1;
                s.s2 = r.s2;
            }
            s.updates = 0;
            s.arrived = 0.0;
        }
        // Both variance forms must be computable from what is kept.
        double u = s.s1 / n_;
        double uu = u * u;
        if (!std::isfinite(s.s2) || !std::isfinite(uu) || !std::isfinite(fused_multiply_add(n_, -uu, s.s2)))
            [[unlikely]]
            return nullptr;
        sums_[current_ ^ 1] = s;
        seen(s);
        return &sums_[current_ ^ 1];
    }
    // Pushes the value prepare gave these sums for; nothing may change the window in between.
    template <PushPath Path = PushPath::any>
    void commit(const ShiftedSums& next) {
        require(&next == &sums_[current_ ^ 1], "commit takes the sums the last prepare gave");
        if constexpr (Path != PushPath::any)
            window_.push_in_room(next.last);
        else
            (void)window_.push(next.last);  // prepare made room
        current_ ^= 1;
    }
    [[nodiscard]] bool push(double x) {
        auto next = prepare(x);
        if (!next) return false;
        commit(*next);
        return true;
    }

    // K + S1 / N.
    double mean() const { return mean(sums()); }
    double mean(const ShiftedSums& s) const { return s.anchor + s.s1 / n_; }
    // (S2 - N (S1 / N)^2) / (N - 1), the product fused with the subtraction; never below +0.
    double sample_variance() const { return sample_variance(sums()); }
    double sample_variance(const ShiftedSums& s) const {
        if (s.equal_run >= window_.capacity()) return 0.0;
        double u = s.s1 / n_;
        double v = fused_multiply_add(n_, -(u * u), s.s2) / (n_ - 1.0);
        return v > 0.0 ? v : 0.0;  // also turns -0.0 into +0.0
    }
    // S2 / N - (S1 / N)^2; never below +0.
    double population_variance() const { return population_variance(sums()); }
    double population_variance(const ShiftedSums& s) const {
        if (s.equal_run >= window_.capacity()) return 0.0;
        double u = s.s1 / n_;
        double v = s.s2 / n_ - u * u;
        return v > 0.0 ? v : 0.0;
    }

private:
    // The sums rebuilt around `anchor`, the mean of the window as it stands once x is pushed;
    // not `finite` when they would not all be finite (the running sums stay).
    struct Rebuilt {
        double anchor, s1, s2;
        bool finite;
    };
    Rebuilt rebuild(double x, double anchor) const;  // rebuilt(), out of line
    [[gnu::always_inline]] Rebuilt rebuilt(double x, double anchor) const {
        double s1 = 0.0;
        double s2 = 0.0;
        const auto add = [&](double v) {
            double d = v - anchor;
            s1 += d;
            s2 += d * d;
        };
        window_.for_each_once_pushed(x, add);
        return {anchor, s1, s2, std::isfinite(anchor) && std::isfinite(s1) && std::isfinite(s2)};
    }

    RollingWindow<double> window_;
    double n_;
    ShiftedSums sums_[2];  // the current set and the spare one prepare writes
    unsigned current_ = 0;
};

}  // namespace prynox
