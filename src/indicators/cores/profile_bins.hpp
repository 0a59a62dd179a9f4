#pragma once
// The price profile of a set of candles: each candle spread over the equal-width price bins
// between its low and its high, from the lowest low to the highest high. The bins are a scratch
// kept by the owner and reused on every computation: taken once at the first profile, never per
// update.
//
// A bin index comes from (price - lo) / width rounded down. A width that underflows to 0 (a
// range of a few subnormals over many bins) makes that quotient infinite or NaN: it converts
// with saturation (NaN to 0, infinity to the largest count) and then clamps to the last bin.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <new>
#include <span>
#include <stdexcept>
#include <vector>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

// The price extent of a profile; `width` is set only when `range` > 0.
struct ProfileExtent {
    double lo = 0.0;
    double hi = 0.0;
    double range = 0.0;
    double width = 0.0;
};

// Lowest low and highest high of `candles` (visited oldest first through `for_each`), with the
// bin width for `bins` bins.
template <class Window>
ProfileExtent profile_extent(const Window& candles, std::uint64_t bins) {
    ProfileExtent e;
    bool first = true;
    candles.for_each([&](const Candle& c) {
        if (first || c.low < e.lo) e.lo = c.low;
        if (first || c.high > e.hi) e.hi = c.high;
        first = false;
    });
    e.range = e.hi - e.lo;
    if (e.range > 0.0) e.width = e.range / static_cast<double>(bins);
    return e;
}

// The last n candles of a rolling profile, with the check a candle must pass to enter: the
// window, once it holds the candle, spans a finite range and, when `volume` is asked, a finite
// total volume. A window from -1e308 to 1e308 has no finite width: every candle would fall in
// bin 0 and its price levels would be infinite. Volumes whose total overflows fill their bins
// with infinities, among which the point of control is no longer the heaviest bin. While the
// window fills nothing leaves it, so running extremes and total answer the check without a scan
// (a window far longer than the series would otherwise scan everything seen on every bar).
class ProfileWindow {
public:
    explicit ProfileWindow(std::uint64_t length) : candles(length) {}

    bool fits_after_push(const Candle& c, bool volume) const {
        double lo = c.low, hi = c.high, total = c.volume;
        if (!candles.full()) {
            if (!candles.empty()) lo = std::min(lo, lo_), hi = std::max(hi, hi_), total = total_ + c.volume;
        } else {
            for (std::size_t i = 1; i < candles.size(); ++i)
                lo = std::min(lo, candles[i].low), hi = std::max(hi, candles[i].high), total += candles[i].volume;
        }
        return std::isfinite(hi - lo) && (!volume || std::isfinite(total));
    }

    // False (nothing changed) when the window could not grow.
    [[nodiscard]] bool push(const Candle& c) {
        const bool filling = !candles.full(), first = candles.empty();
        if (!candles.push(c)) return false;
        if (filling) {
            lo_ = first ? c.low : std::min(lo_, c.low);
            hi_ = first ? c.high : std::max(hi_, c.high);
            total_ = first ? c.volume : total_ + c.volume;
        }
        return true;
    }

    RollingWindow<Candle> candles;

private:
    double lo_ = 0.0, hi_ = 0.0, total_ = 0.0;  // of the candles while the window fills
};

inline std::size_t profile_bin(double price, const ProfileExtent& e, std::uint64_t bins) {
    return static_cast<std::size_t>(std::min(saturating_u64((price - e.lo) / e.width), bins - 1));
}

// A scratch of `bins` counters (or `bins` + 1 for a difference array), allocated at first use.
template <class T>
class BinScratch {
public:
    explicit BinScratch(std::uint64_t size) : size_(size) {}

    // The zeroed bins; empty when they could not be allocated.
    std::span<T> zeroed() {
        if (bins_.size() != size_) {
            try {
                bins_.assign(static_cast<std::size_t>(size_), T{});
            } catch (const std::bad_alloc&) {
                return {};
            } catch (const std::length_error&) {
                return {};
            }
            return bins_;
        }
        std::fill(bins_.begin(), bins_.end(), T{});
        return bins_;
    }

    // Takes the storage now (for an owner that must not fail later in an update).
    [[nodiscard]] bool ready() {
        if (bins_.size() == size_) return true;
        return !zeroed().empty();
    }

private:
    std::vector<T> bins_;
    std::uint64_t size_;
};

// The volume profile: a candle with volume spreads it evenly over its bins, oldest first; a
// candle without volume adds nothing. `bins` is zeroed; needs extent.range > 0.
template <class Window>
void fill_volume_profile(const Window& candles, const ProfileExtent& e, std::span<double> bins) {
    const std::uint64_t b = bins.size();
    candles.for_each([&](const Candle& c) {
        if (c.volume == 0.0) return;
        const std::size_t f = profile_bin(c.low, e, b), l = profile_bin(c.high, e, b);
        const double share = c.volume / static_cast<double>(l - f + 1);
        for (std::size_t i = f; i <= l; ++i) bins[i] += share;
    });
}

// The first bin holding the largest volume.
inline std::size_t point_of_control(std::span<const double> bins) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < bins.size(); ++i)
        if (bins[i] > bins[best]) best = i;
    return best;
}

}  // namespace prynox
