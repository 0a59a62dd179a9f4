#pragma once
// The rolling window of the profile types and the histogram they rebuild from it on every bar:
// each candle of the window spread evenly over the bins from its low to its high, oldest first.
// The bins are one scratch, taken on the bar the window fills (no value that bar if it cannot
// be had, nothing changed) and reused on every later bar; a bin count above the maximum period
// is refused when building.
//
// With `checked`, a candle that would give the window a range or a total volume beyond the
// doubles gives nothing and changes nothing: its price levels would be infinite or NaN, and its
// bins would hold infinities, of which the first, not the heaviest, would be the point of
// control.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/model/market.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/profile_bins.hpp"

namespace prynox {

class WindowHistogram {
public:
    // Both zero checks: the type's own checks come between these and check_bins.
    static CheckResult check_zero(std::uint64_t window, std::uint64_t bins) {
        if (window == 0 || bins == 0) return IndicatorError::zero_period();
        return std::nullopt;
    }
    static CheckResult check_bins(std::uint64_t bins) { return check_max_period(bins); }

    WindowHistogram(std::uint64_t window, std::uint64_t bins) : window_(window), scratch_(bins), bins_(bins) {}

    // Takes c; true when the window is full with it.
    bool take(const Candle& c, bool checked) {
        if (window_.candles.size() + 1 >= window_.candles.capacity() && !scratch_.ready()) [[unlikely]]
            return false;
        if (checked && !window_.fits_after_push(c, true)) [[unlikely]]
            return false;
        return window_.push(c) && window_.candles.full();
    }

    // The window's extent, and its bins when it has a range (weight 1 per candle with `tpo`, else
    // its volume, candles without volume skipped).
    ProfileExtent build(bool tpo) {
        const ProfileExtent e = profile_extent(window_.candles, bins_);
        if (!(e.range > 0.0)) return e;
        bins_view_ = scratch_.zeroed();
        if (!tpo) {
            fill_volume_profile(window_.candles, e, bins_view_);
        } else {
            window_.candles.for_each([&](const Candle& c) {
                const std::size_t f = profile_bin(c.low, e, bins_), l = profile_bin(c.high, e, bins_);
                const double share = 1.0 / static_cast<double>(l - f + 1);
                for (std::size_t i = f; i <= l; ++i) bins_view_[i] += share;
            });
        }
        return e;
    }

    // A window without range puts `weight` in bin 0.
    void fill_flat(double weight) {
        bins_view_ = scratch_.zeroed();
        bins_view_[0] = weight;
    }

    // The sum of the window's volumes, oldest first.
    double total_volume() const {
        double s = 0.0;
        window_.candles.for_each([&s](const Candle& c) { s += c.volume; });
        return s;
    }

    std::span<const double> bins() const { return bins_view_; }
    std::uint64_t window() const { return window_.candles.capacity(); }
    std::uint64_t bin_count() const { return bins_; }

private:
    ProfileWindow window_;
    BinScratch<double> scratch_;
    std::span<double> bins_view_;
    std::uint64_t bins_;
};

// Bin indices of a value area: the point of control and the bins it grew to.
struct ValueAreaBins {
    std::size_t poc, lo, hi;
};

// The area grows from the point of control, one neighbour at a time (the fuller one, upward on a
// tie), while it covers less than `share` of the total. It stops once it holds every non-empty
// bin, told by counting them: the covered sum, added in another order than the total, may stay
// an ulp below a target of the whole total, and empty bins at either end would join.
inline ValueAreaBins value_area(std::span<const double> bins, double share) {
    const std::size_t last = bins.size() - 1, poc = point_of_control(bins);
    double total = 0.0;
    std::size_t filled = 0;
    for (double b : bins) total += b, filled += b > 0.0;
    const double target = total * share;
    std::size_t lo = poc, hi = poc, held = bins[poc] > 0.0;
    double covered = bins[poc];
    while (covered < target) {
        if ((lo == 0 && hi == last) || held == filled) break;
        const bool up = lo == 0 || (hi != last && bins[hi + 1] >= bins[lo - 1]);
        const double taken = up ? bins[++hi] : bins[--lo];
        covered += taken;
        held += taken > 0.0;
    }
    return {poc, lo, hi};
}

}  // namespace prynox
