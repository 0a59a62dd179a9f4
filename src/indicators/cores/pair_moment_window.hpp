#pragma once
// The shifted moment window of the pair types: the last N (x, y) pairs with the sums of their
// deviations from a shift point (Kx, Ky): Sx, Sy, Sxx, Syy, Sxy. The first pair ever fed is the
// first shift point; each push subtracts the leaving pair's terms and adds the entering one's;
// after every N pushes the shift point moves to the window's means and the five sums are rebuilt
// from the window, oldest first, so the variances (differences of two large terms) keep their
// precision far from zero.
//
// Running sums leave a residue once the varying values have left, so a series that has become
// constant over the window would still show a spread. The run of equal values (==) ending at the
// newest is counted for each series: when it covers the window, that series' variance and the
// covariance are exactly 0.
//
// A push is prepared first (nothing changes) and then committed, so an owner whose own later
// step fails can drop the pair with its state untouched. A push is refused when the storage
// cannot grow or when the sums could not give finite moments (deviations too large to square);
// a rebuild that would not be finite is skipped and the running sums kept.
//
// The one-series form (a shift point K and S, SS over single values, the same cadence) is
// ShiftedSumsWindow, aliased below as SeriesMomentWindow.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "indicators/cores/fused_pair.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/shifted_sums_window.hpp"
#include "indicators/invariant.hpp"

namespace prynox {

using SeriesMomentWindow = ShiftedSumsWindow;

struct XY {
    double x = 0.0;
    double y = 0.0;
};

// Population moments of a full window (divided by N). The variances are never below +0.
struct PairMoments {
    double mean_x = 0.0;
    double mean_y = 0.0;
    double var_x = 0.0;
    double var_y = 0.0;
    double cov = 0.0;
};

// The scalar part of the state: what a prepared push replaces on commit.
struct PairSums {
    double kx = 0.0;
    double ky = 0.0;
    double sx = 0.0;
    double sy = 0.0;
    double sxx = 0.0;
    double syy = 0.0;
    double sxy = 0.0;
    // The pairs fed since the shift point last moved, summed as they arrived: the shift point
    // moves after every N pairs, so the window then holds exactly these, oldest first.
    double arrived_x = 0.0;
    double arrived_y = 0.0;
    std::uint64_t pushes = 0;  // pairs fed since the shift point last moved
    std::uint64_t run_x = 0;   // equal x values ending at the newest, capped at N
    std::uint64_t run_y = 0;
    bool anchored = false;
};

class PairMomentWindow {
public:
    // A length of 0 acts as 1. `bound`, when given, is promised to hold every |x| and |y| pushed:
    // with it, every sum stays within 3 N (2 bound)^2 (N values since the last rebuild, N leaving,
    // N entering), and where that cannot overflow (as for logarithms of doubles) no push can be
    // refused, so the finiteness checks are skipped.
    explicit PairMomentWindow(std::uint64_t period, double bound = INFINITY)
        : pairs_(period),
          n_(static_cast<double>(pairs_.capacity())),
          limit_(1.3e154 * n_),
          always_takes_(std::isfinite(16.0 * n_ * bound * bound) && 8.0 * n_ * bound <= limit_) {}

    std::uint64_t period() const { return pairs_.capacity(); }
    std::size_t size() const { return pairs_.size(); }
    bool full() const { return pairs_.full(); }
    // Whether the window holds N pairs once the next pair is pushed.
    bool full_after_push() const { return pairs_.full() || pairs_.size() + 1 == pairs_.capacity(); }
    // The pairs, oldest first.
    const RollingWindow<XY>& pairs() const { return pairs_; }
    const PairSums& sums() const { return sums_[current_]; }
    // Whether the next push takes no allocation; whether it takes neither that nor a rebuild
    // (see PushPath).
    bool next_push_has_room() const { return pairs_.has_room(); }
    bool next_push_is_plain() const { return pairs_.has_room() && sums_[current_].pushes + 1 < pairs_.capacity(); }

    // The sums once (x, y) is pushed, or nothing (state unchanged) when the pair cannot be taken.
    // x and y are finite. `seen`, when given, gets the prepared sums as they are computed: a
    // caller that takes its moments there does not read them back from memory, a round trip
    // that would sit on its chain of dependent steps.
    const PairSums* prepare(double x, double y) { return prepare(x, y, [](const PairSums&) {}); }
    template <PushPath Path = PushPath::any, class F>
    const PairSums* prepare(double x, double y, F&& seen) {
        if constexpr (Path == PushPath::any) {
            if (!pairs_.make_room()) [[unlikely]]
                return nullptr;
        }
        PairSums s = sums_[current_];
        const std::uint64_t cap = pairs_.capacity();
        if (!pairs_.empty()) {
            const XY& last = pairs_.newest();
            s.run_x = x == last.x ? (s.run_x < cap ? s.run_x + 1 : s.run_x) : 1;
            s.run_y = y == last.y ? (s.run_y < cap ? s.run_y + 1 : s.run_y) : 1;
        } else {
            s.run_x = 1;
            s.run_y = 1;
        }
        if (pairs_.full()) {
            const XY& old = pairs_.oldest();
            double dx = old.x - s.kx;
            double dy = old.y - s.ky;
            s.sx -= dx;
            s.sy -= dy;
            s.sxx -= dx * dx;
            s.syy -= dy * dy;
            s.sxy -= dx * dy;
        }
        if (!s.anchored) {
            s.kx = x;
            s.ky = y;
            s.anchored = true;
        }
        double dx = x - s.kx;
        double dy = y - s.ky;
        s.sx += dx;
        s.sy += dy;
        s.sxx += dx * dx;
        s.syy += dy * dy;
        s.sxy += dx * dy;
        s.arrived_x += x;
        s.arrived_y += y;
        ++s.pushes;
        if (Path != PushPath::plain && s.pushes >= cap) [[unlikely]] {
            // By value, and out of line on the `any` path, so that `s` can stay in registers.
            const double kx = s.arrived_x / n_;
            const double ky = s.arrived_y / n_;
            const Rebuilt r = Path == PushPath::in_room ? rebuilt(x, y, kx, ky) : rebuild(x, y, kx, ky);
            if (r.finite) {
                s.kx = r.kx;
                s.ky = r.ky;
                s.sx = r.sx;
                s.sy = r.sy;
                s.sxx = r.sxx;
                s.syy = r.syy;
                s.sxy = r.sxy;
            }
            s.pushes = 0;
            s.arrived_x = 0.0;
            s.arrived_y = 0.0;
        }
        if (!always_takes_ && !takes(s)) [[unlikely]]
            return nullptr;
        sums_[current_ ^ 1] = s;
        seen(s);
        return &sums_[current_ ^ 1];
    }
    // Pushes (x, y) with the sums prepare(x, y) gave; nothing may change the window in between.
    template <PushPath Path = PushPath::any>
    void commit(double x, double y, const PairSums& next) {
        require(&next == &sums_[current_ ^ 1], "commit takes the sums the last prepare gave");
        if constexpr (Path != PushPath::any)
            pairs_.push_in_room(XY{x, y});
        else
            (void)pairs_.push(XY{x, y});  // prepare made room
        current_ ^= 1;
    }
    [[nodiscard]] bool push(double x, double y) {
        auto next = prepare(x, y);
        if (!next) return false;
        commit(x, y, *next);
        return true;
    }

    // The moments of the full window, as it stands or with the prepared sums `s`. Each is finite
    // but the covariance, which can overflow only at the very edge of the range (deviations
    // near 1e154 in both series). Inline, so that a caller computes only the moments it reads.
    PairMoments moments() const { return moments(sums()); }
    PairMoments moments(const PairSums& s) const {
        double ax = s.sx / n_;
        double ay = s.sy / n_;
        PairMoments m{s.kx + ax, s.ky + ay, s.sxx / n_ - ax * ax, s.syy / n_ - ay * ay, s.sxy / n_ - ax * ay};
        m.var_x = m.var_x > 0.0 ? m.var_x : 0.0;  // also turns -0.0 and NaN into +0.0
        m.var_y = m.var_y > 0.0 ? m.var_y : 0.0;
        const std::uint64_t cap = pairs_.capacity();
        if (s.run_x >= cap) {
            m.var_x = 0.0;
            m.cov = 0.0;
        }
        if (s.run_y >= cap) {
            m.var_y = 0.0;
            m.cov = 0.0;
        }
        return m;
    }

    // cov / var_x as moments(s) gives them, the least-squares slope of y on x; 0 when var_x is 0.
    // Taken alone, so that an owner needing only the slope keeps no other moment alive.
    double slope_y_on_x(const PairSums& s) const {
        const std::uint64_t cap = pairs_.capacity();
        if (s.run_x >= cap || s.run_y >= cap) return 0.0;  // var_x or the covariance is 0
        // Two lanes per division (each the same IEEE division): one divider pass less.
        const DoublePair means = DoublePair{s.sx, s.sy} / n_;
        const DoublePair squares = DoublePair{s.sxx, s.sxy} / n_;
        double var_x = squares[0] - means[0] * means[0];
        if (!(var_x > 0.0)) return 0.0;
        return (squares[1] - means[0] * means[1]) / var_x;
    }

private:
    // The sums are finite and the mean deviations |Sx / N|, |Sy / N| stay below 1.3e154, so that
    // their squares and products are finite: then the means and variances are finite, without
    // the divisions that the moments take.
    bool takes(const PairSums& s) const {
        return std::isfinite(s.sxx) && std::isfinite(s.syy) && std::isfinite(s.sxy) && std::fabs(s.sx) <= limit_ &&
               std::fabs(s.sy) <= limit_;
    }
    // The sums rebuilt around the shift point (kx, ky), the means of the window as it stands once
    // (x, y) is pushed; not `finite` when they would not all be finite (the running sums stay).
    struct Rebuilt {
        double kx, ky, sx, sy, sxx, syy, sxy;
        bool finite;
    };
    Rebuilt rebuild(double x, double y, double kx, double ky) const;  // rebuilt(), out of line
    [[gnu::always_inline]] Rebuilt rebuilt(double x, double y, double kx, double ky) const {
        // x and y ride side by side in two lanes, each lane taking the same steps in the same
        // order as one series alone.
        const DoublePair k{kx, ky};
        DoublePair sums{0.0, 0.0};
        DoublePair squares{0.0, 0.0};
        double sxy = 0.0;
        const auto add = [&](DoublePair p) {
            const DoublePair d = p - k;
            sums += d;
            squares += d * d;
            sxy += d[0] * d[1];
        };
        pairs_.for_each_once_pushed(XY{x, y}, [&](const XY& p) { add(DoublePair{p.x, p.y}); });
        const double sx = sums[0], sy = sums[1], sxx = squares[0], syy = squares[1];
        const bool finite = std::isfinite(kx) && std::isfinite(ky) && std::isfinite(sx) && std::isfinite(sy) &&
                            std::isfinite(sxx) && std::isfinite(syy) && std::isfinite(sxy);
        return {kx, ky, sx, sy, sxx, syy, sxy, finite};
    }

    RollingWindow<XY> pairs_;
    double n_;
    double limit_;  // 1.3e154 N: the largest |Sx| whose mean deviation can be squared
    bool always_takes_;
    PairSums sums_[2];  // the current set and the spare one prepare writes
    unsigned current_ = 0;
};

}  // namespace prynox
