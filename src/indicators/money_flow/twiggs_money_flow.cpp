#include "indicators/money_flow/twiggs_money_flow.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<TwiggsMoneyFlow, IndicatorError> TwiggsMoneyFlow::create(std::uint64_t n) {
    if (auto e = check_window(n)) return std::unexpected(*e);
    return TwiggsMoneyFlow(n);
}

std::uint64_t TwiggsMoneyFlow::warmup_period() const { return sat_add(n_, 1); }

OptionalValue TwiggsMoneyFlow::update_candle(const Candle& c) {
    if (!previous_close_) [[unlikely]] {
        previous_close_ = c.close;
        return {};
    }
    const double trh = std::max(c.high, *previous_close_), trl = std::min(c.low, *previous_close_);
    const double tr = trh - trl;
    const double ad = tr <= 0.0 ? 0.0 : (c.volume * (((c.close + c.close) - trh) - trl)) / tr;
    if (!std::isfinite(tr) || !std::isfinite(ad)) [[unlikely]] {
        previous_close_ = c.close;
        return {};
    }
    double a, v;
    if (smoothed_) [[likely]] {
        a = accumulation_ + (ad - accumulation_) / divisor_;
        v = volume_ + (c.volume - volume_) / divisor_;
        if (!std::isfinite(a) || !std::isfinite(v)) [[unlikely]] {
            previous_close_ = c.close;
            return {};
        }
    } else {
        const double sa = seed_accumulation_ + ad, sv = seed_volume_ + c.volume;
        previous_close_ = c.close;
        if (!std::isfinite(sa) || !std::isfinite(sv)) [[unlikely]]
            return {};
        seed_accumulation_ = sa;
        seed_volume_ = sv;
        if (++seed_count_ != n_) return {};
        a = sa / static_cast<double>(seed_count_);
        v = sv / static_cast<double>(seed_count_);
        smoothed_ = true;
    }
    previous_close_ = c.close;
    accumulation_ = a;
    volume_ = v;
    return v == 0.0 ? 0.0 : a / v;
}

}  // namespace prynox
