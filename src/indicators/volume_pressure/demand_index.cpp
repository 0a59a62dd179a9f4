#include "indicators/volume_pressure/demand_index.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

namespace {

double weighted_price(const Candle& c) { return ((c.high + c.low) + (c.close + c.close)) * 0.25; }

// The averages start at their first input.
EmaStage pressure_average(std::uint64_t n) { return EmaStage(n, EmaWeights::of_period(n).alpha, 1); }

}  // namespace

DemandIndex::DemandIndex(std::uint64_t n)
    : volumes_(n), ranges_(n), buying_(pressure_average(n)), selling_(pressure_average(n)),
      divisor_(static_cast<double>(n)) {}

std::expected<DemandIndex, IndicatorError> DemandIndex::create(std::uint64_t n) {
    if (auto e = check_window(n)) return std::unexpected(*e);
    return DemandIndex(n);
}

std::uint64_t DemandIndex::warmup_period() const { return sat_add(volumes_.length(), 1); }

OptionalValue DemandIndex::update_candle(const Candle& c) {
    const double p = weighted_price(c);
    if (!std::isfinite(p) || !volumes_.make_room()) [[unlikely]]
        return {};
    const bool volume_fits = volumes_.next({c.volume}).has_value();
    if (!previous_) [[unlikely]] {
        if (!volume_fits) return {};
        (void)volumes_.push({c.volume});
        previous_ = c;
        return {};
    }
    if (!ranges_.make_room()) [[unlikely]]
        return {};
    const Candle& q = *previous_;
    const double r = std::max(c.high, q.high) - std::min(c.low, q.low);
    const auto ranges = ranges_.next({r});
    if (!volume_fits || !ranges) [[unlikely]] {
        previous_ = c;
        return {};
    }
    const CountedSum volume_sum = (*volumes_.next({c.volume}))[0], range_sum = (*ranges)[0];
    const bool counted = ranges_.full_after_push();
    double value = last_;
    double bp = 0.0, sp = 0.0;
    bool pressures = false;
    if (counted) {
        // The counts, not the never re-summed sums, say when a window holds no volume or range.
        const double avg_volume = volume_sum.all_zero() ? 0.0 : volume_sum.sum / divisor_;
        const double pp = weighted_price(q);
        const double avg_range = range_sum.all_zero() ? 0.0 : range_sum.sum / divisor_;
        if (avg_volume != 0.0 && p != 0.0 && pp != 0.0 && avg_range != 0.0) {
            const double change = (p - pp) / std::min(p, pp);
            const double vr = c.volume / avg_volume;
            const double k = (p * 3.0) / avg_range;
            const double scaled = std::fabs(change) * k;
            // 0 * inf (a huge weighted price): no exponent to speak of.
            if (std::isnan(scaled)) [[unlikely]] {
                previous_ = c;
                return {};
            }
            const double damped = vr / std::exp(std::min(scaled, 88.0));
            bp = change > 0.0 ? vr : damped;
            sp = change > 0.0 ? damped : vr;
            pressures = true;
        }
    }
    (void)volumes_.push({c.volume});
    (void)ranges_.push({r});
    previous_ = c;
    if (!counted) return {};
    if (pressures) {
        // A pressure that is not finite is used as it is and leaves its average alone.
        if (std::isfinite(bp)) bp = *buying_.step(bp);
        if (std::isfinite(sp)) sp = *selling_.step(sp);
        value = bp > sp ? 100.0 * (1.0 - sp / bp) : bp < sp ? -100.0 * (1.0 - bp / sp) : 0.0;
    }
    last_ = value;
    return value;
}

}  // namespace prynox
