#include "indicators/ma_oscillators/stc.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Stc, IndicatorError> Stc::create(std::uint64_t fast, std::uint64_t slow, std::uint64_t cycle,
                                               double factor) {
    if (fast == 0 || slow == 0 || cycle == 0) return std::unexpected(IndicatorError::zero_period());
    if (fast >= slow) return std::unexpected(IndicatorError::invalid_period(kStcOrderMessage));
    if (!(std::isfinite(factor) && factor > 0.0 && factor <= 1.0))
        return std::unexpected(IndicatorError::invalid_period(kStcFactorMessage));
    if (auto e = check_max_period(fast)) return std::unexpected(*e);
    if (auto e = check_max_period(slow)) return std::unexpected(*e);
    return Stc(fast, slow, cycle, factor);
}

namespace {

// ((v - lo) * 100) / (hi - lo), 0 for a flat window.
double stochastic(double v, double lo, double hi) { return hi > lo ? ((v - lo) * 100.0) / (hi - lo) : 0.0; }

}  // namespace

OptionalValue Stc::update_value(double x) {
    if (!std::isfinite(x)) [[unlikely]]
        return std::nullopt;
    auto p = pair_.step(x);
    if (!p) return std::nullopt;
    double m = p->fast - p->slow;
    // A MACD value beyond the doubles would stick in the window's extremes for C bars.
    if (!std::isfinite(m)) [[unlikely]]
        return std::nullopt;
    if (!macd_.push(m) || !macd_.full()) return std::nullopt;
    double k1 = stochastic(m, macd_.min(), macd_.max());
    // A spread beyond the largest double gives inf / inf: the smoothed line must not turn NaN
    // for good.
    if (!std::isfinite(k1)) [[unlikely]]
        return std::nullopt;
    double pf = has_first_value_ ? first_value_ + factor_ * (k1 - first_value_) : k1;
    if (!first_.push(pf)) return std::nullopt;
    first_value_ = pf;
    has_first_value_ = true;
    if (!first_.full()) return std::nullopt;
    double k2 = stochastic(pf, first_.min(), first_.max());
    result_ = has_result_ ? result_ + factor_ * (k2 - result_) : k2;
    has_result_ = true;
    return result_;
}

}  // namespace prynox
