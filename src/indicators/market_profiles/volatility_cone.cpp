#include "indicators/market_profiles/volatility_cone.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<VolatilityCone, IndicatorError> VolatilityCone::create(std::uint64_t window, std::uint64_t lookback) {
    if (window == 0 || lookback == 0) return std::unexpected(IndicatorError::zero_period());
    if (window < 2 || lookback < 2) return std::unexpected(IndicatorError::invalid_period(kVolatilityConeLengths));
    return VolatilityCone(window, lookback);
}

std::uint64_t VolatilityCone::warmup_period() const { return sat_add(returns_.capacity(), history_.capacity()); }

bool VolatilityCone::take_return(double r) {
    if (!returns_.make_room()) [[unlikely]]
        return false;
    if (returns_.full()) {
        const double x = returns_.oldest() - anchor_;
        s1_ -= x;
        s2_ -= x * x;
    }
    (void)returns_.push(r);  // room was made above
    (void)equal_.push(r);
    if (!anchored_) anchor_ = r, anchored_ = true;
    const double d = r - anchor_;
    s1_ += d;
    s2_ += d * d;
    if (++since_anchor_ >= returns_.capacity()) {
        double sum = 0.0;
        returns_.for_each([&sum](double x) { sum += x; });
        anchor_ = sum / static_cast<double>(returns_.size());
        s1_ = 0.0;
        s2_ = 0.0;
        returns_.for_each([this](double x) {
            s1_ += x - anchor_;
            s2_ += (x - anchor_) * (x - anchor_);
        });
        since_anchor_ = 0;
    }
    return true;
}

double VolatilityCone::current() const {
    if (equal_.constant()) return 0.0;
    const double n = static_cast<double>(returns_.capacity()), m = s1_ / n;
    double variance = (s2_ - n * (m * m)) / (n - 1.0);
    if (!(variance >= 0.0)) variance = 0.0;
    return std::sqrt(variance);
}

bool VolatilityCone::update_candle(const Candle& c, std::array<double, 5>& out) {
    const double close = c.close;
    if (!(close > 0.0)) {
        if (!last_) return false;
        out = *last_;
        return true;
    }
    if (!previous_) {
        previous_ = close;
        return false;
    }
    const double r = std::log(close / *previous_);
    if (!std::isfinite(r)) [[unlikely]] {
        previous_ = close;
        return false;
    }
    // The history must be able to take the value before the return window changes.
    const bool fills = returns_.size() + 1 >= returns_.capacity();
    if (fills && !history_.make_room()) [[unlikely]]
        return false;
    if (!take_return(r)) [[unlikely]]
        return false;
    previous_ = close;
    if (!returns_.full()) return false;
    const double now = current();
    (void)history_.push(now);  // room was made above
    if (!history_.full()) return false;
    const std::span<const double> s = history_.sorted();
    const std::size_t k = s.size();
    const double median = k % 2 == 1 ? s[k / 2] : midpoint(s[k / 2 - 1], s[k / 2]);
    const double at_or_below = static_cast<double>(std::upper_bound(s.begin(), s.end(), now) - s.begin());
    last_ = {now, s.front(), median, s.back(), (at_or_below / static_cast<double>(history_.capacity())) * 100.0};
    out = *last_;
    return true;
}

}  // namespace prynox
