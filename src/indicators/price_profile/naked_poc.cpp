#include "indicators/price_profile/naked_poc.hpp"

#include <algorithm>
#include <iterator>
#include <cmath>
#include <new>
#include <stdexcept>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"

namespace prynox {

std::expected<NakedPoc, IndicatorError> NakedPoc::create(std::uint64_t period, std::uint64_t bins) {
    if (period == 0 || bins == 0) return std::unexpected(IndicatorError::zero_period());
    if (auto e = check_max_period(bins)) return std::unexpected(*e);
    return NakedPoc(period, bins);
}

bool NakedPoc::make_room(bool completes) {
    try {
        auto& candles = block_.candles;
        if (candles.size() == candles.capacity()) candles.reserve(next_storage_size(candles.size(), period_));
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    return !completes || (pool_->make_room() && scratch_.ready());
}

double NakedPoc::profile_level() const {
    const ProfileExtent extent = profile_extent(block_, bins_);
    if (!(extent.range > 0.0)) return extent.lo;
    const std::span<double> bins = scratch_.zeroed();
    fill_volume_profile(block_, extent, bins);
    return extent.lo + extent.width * (static_cast<double>(point_of_control(bins)) + 0.5);
}

// The distance |level - close| only grows away from the close on either side, so the levels at
// the least distance are the runs next to it; the oldest of them wins. A run holds more than one
// level only where levels lie closer together than the rounding of their distance to the close.
double NakedPoc::nearest(double close) const {
    const auto above = levels_.lower_bound(close);
    const auto distance = [close](const Level& l) { return std::fabs(l.price - close); };
    double least = above != levels_.end() ? distance(*above) : distance(*std::prev(above));
    if (above != levels_.begin()) least = std::min(least, distance(*std::prev(above)));
    const Level* best = nullptr;
    const auto consider = [&best](const Level& l) {
        if (best == nullptr || l.order < best->order) best = &l;
    };
    for (auto it = above; it != levels_.end() && distance(*it) == least; ++it) consider(*it);
    for (auto it = above; it != levels_.begin() && distance(*std::prev(it)) == least; --it) consider(*std::prev(it));
    return best->price;
}

OptionalValue NakedPoc::update_candle(const Candle& c) {
    const bool first = block_.candles.empty();
    const double lo = first ? c.low : std::min(block_lo_, c.low), hi = first ? c.high : std::max(block_hi_, c.high);
    const double volume = first ? c.volume : block_volume_ + c.volume;
    if (!std::isfinite(hi - lo) || !std::isfinite(volume)) [[unlikely]]
        return std::nullopt;
    const bool completes = block_.candles.size() + 1 == period_;
    if (!make_room(completes)) [[unlikely]]
        return std::nullopt;
    levels_.erase(levels_.lower_bound(c.low), levels_.upper_bound(c.high));
    block_.candles.push_back(c);  // room was made above
    block_lo_ = lo;
    block_hi_ = hi;
    block_volume_ = volume;
    if (completes) {
        const double level = profile_level();
        const auto at = levels_.lower_bound(level);
        if (at == levels_.end() || at->price != level) levels_.emplace_hint(at, Level{level, made_});  // room made
        ++made_;
        block_.candles.clear();
        completed_ = true;
    }
    if (!completed_) return std::nullopt;
    return levels_.empty() ? c.close : nearest(c.close);
}

}  // namespace prynox
