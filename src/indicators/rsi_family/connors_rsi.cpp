#include "indicators/rsi_family/connors_rsi.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/saturating.hpp"
#include "indicators/cores/total_order.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<ConnorsRsi, IndicatorError> ConnorsRsi::create(std::uint64_t rsi_period, std::uint64_t streak_period,
                                                             std::uint64_t rank_period) {
    if (rsi_period == 0 || streak_period == 0 || rank_period == 0) return std::unexpected(IndicatorError::zero_period());
    auto price = Rsi::create(rsi_period);
    if (!price) return std::unexpected(price.error());
    auto streak = Rsi::create(streak_period);
    if (!streak) return std::unexpected(streak.error());
    return ConnorsRsi(*price, *streak, rank_period);
}

std::uint64_t ConnorsRsi::warmup_period() const {
    return std::max({sat_add(price_rsi_.period(), 1), sat_add(streak_rsi_.period(), 2), sat_add(rank_period_, 1)});
}

OptionalValue ConnorsRsi::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    // A change or a rate of change that overflows is refused before anything moves: the streak,
    // both RSIs' averages and the rates stay as they were, but the next change is taken from this
    // close. A bar whose rate of change could not be stored changes nothing.
    double rate = 0.0;
    bool records_rate = false;
    if (has_previous_) {
        double p = previous_;
        if (!std::isfinite(x - p)) return rebase(x);
        if (p != 0.0) {
            rate = (x - p) / p;
            if (!std::isfinite(rate)) return rebase(x);
            records_rate = true;
            if (!changes_.make_room()) return std::nullopt;
        }
    }

    auto price_rsi = price_rsi_.update_value(x);
    if (!has_previous_) {
        previous_ = x;
        has_previous_ = true;
        return std::nullopt;
    }
    double p = previous_;
    if (x > p) {
        streak_ = std::max(streak_, 0.0) + 1.0;
    } else if (x < p) {
        streak_ = std::min(streak_, 0.0) - 1.0;
    } else {
        streak_ = 0.0;
    }
    auto streak_rsi = streak_rsi_.update_value(streak_);
    previous_ = x;
    // After a close of exactly 0 no rate of change is recorded; the rank is then taken over the
    // unchanged window.
    if (records_rate) (void)changes_.push(rate);  // room was made above
    if (!changes_.full()) return std::nullopt;
    double rank = rank_of_newest();
    if (!price_rsi || !streak_rsi) return std::nullopt;
    return ((*price_rsi + *streak_rsi) + rank) / 3.0;
}

OptionalValue ConnorsRsi::rebase(double x) {
    previous_ = x;
    price_rsi_.rebase(x);
    return std::nullopt;
}

// Share of the window (the newest included) strictly below the newest value, in percent;
// ordered by the total order of doubles (-0.0 below +0.0).
double ConnorsRsi::rank_of_newest() const {
    std::int64_t key = total_order_key(changes_.newest());
    std::uint64_t below = 0;
    changes_.for_each([&](double v) { below += total_order_key(v) < key ? 1 : 0; });
    return (static_cast<double>(below) * 100.0) / rank_scale_;
}

}  // namespace prynox
