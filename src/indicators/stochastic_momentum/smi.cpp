#include "indicators/stochastic_momentum/smi.hpp"

#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<Smi, IndicatorError> Smi::create(std::uint64_t period, std::uint64_t first, std::uint64_t second) {
    if (period == 0 || first == 0 || second == 0) return std::unexpected(IndicatorError::zero_period());
    if (auto e = check_max_period(first)) return std::unexpected(*e);
    if (auto e = check_max_period(second)) return std::unexpected(*e);
    return Smi(period, first, second);
}

std::uint64_t Smi::warmup_period() const {
    // The smoothing windows are at most MAX_PERIOD each: only the high-low window can saturate.
    return sat_add(extremes_.length(), a_.period() + b_.period() - 2);
}

OptionalValue Smi::update_candle(const Candle& c) {
    if (!extremes_.push(c.high, c.low)) [[unlikely]]
        return {};
    if (!extremes_.full()) [[unlikely]]
        return {};
    const double hh = extremes_.high(), ll = extremes_.low();
    const double rel = c.close - midpoint(hh, ll);
    const double range = hh - ll;
    OptionalValue b, d;
    if (std::isfinite(rel))
        if (const OptionalValue a = a_.step(rel); a && std::isfinite(*a)) b = b_.step(*a);
    if (std::isfinite(range))
        if (const OptionalValue e = c_.step(range); e && std::isfinite(*e)) d = d_.step(*e);
    if (!b || !d) return {};
    if (!(*d > 0.0)) {
        if (!has_last_) return {};
        return last_;
    }
    const double value = (*b * 100.0) / (*d * 0.5);
    // A huge numerator over a tiny range leaves the doubles: no value, and the last one stays.
    if (!std::isfinite(value)) [[unlikely]]
        return {};
    last_ = value;
    has_last_ = true;
    return value;
}

}  // namespace prynox
