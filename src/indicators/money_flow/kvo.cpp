#include "indicators/money_flow/kvo.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<Kvo, IndicatorError> Kvo::create(std::uint64_t fast, std::uint64_t slow) {
    if (fast == 0 || slow == 0) return std::unexpected(IndicatorError::zero_period());
    if (fast >= slow) return std::unexpected(IndicatorError::invalid_period(kKvoOrderMessage));
    if (auto e = check_max_period(slow)) return std::unexpected(*e);
    return Kvo(fast, slow);
}

std::uint64_t Kvo::warmup_period() const { return sat_add(averages_.slow_period(), 1); }

OptionalValue Kvo::update_candle(const Candle& c) {
    const double hlc = (c.high + c.low) + c.close;
    const double dm = c.high - c.low;
    if (!std::isfinite(hlc) || !std::isfinite(dm)) [[unlikely]]
        return {};
    if (!has_previous_) [[unlikely]] {
        has_previous_ = true;
        previous_range_ = dm;
        previous_sum_ = hlc;
        return {};
    }
    double trend = trend_;
    if (hlc > previous_sum_) trend = 1.0;
    else if (hlc < previous_sum_) trend = -1.0;
    const double cm = trend_ != 0.0 && trend_ == trend ? cm_ + dm : previous_range_ + dm;
    if (!std::isfinite(cm)) [[unlikely]] {
        previous_range_ = dm;
        previous_sum_ = hlc;
        return {};
    }
    const double vf = cm == 0.0 ? 0.0 : ((c.volume * std::fabs(2.0 * (dm / cm - 1.0))) * trend) * 100.0;
    cm_ = cm;
    trend_ = trend;
    previous_range_ = dm;
    previous_sum_ = hlc;
    // Both averages take the force or neither does (a seed sum may overflow).
    if (!std::isfinite(vf) || !averages_.takes(vf)) [[unlikely]]
        return {};
    const auto v = averages_.step(vf);
    if (!v) return {};
    return finite_result(v->fast - v->slow);
}

}  // namespace prynox
