#include "indicators/stochastic_momentum/rvi.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Rvi, IndicatorError> Rvi::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Rvi(period);
}

namespace {
// (v0 + (2 v1 + (2 v2 + v3))) / 6
double smooth(double v0, double v1, double v2, double v3) { return (v0 + (2.0 * v1 + (2.0 * v2 + v3))) / 6.0; }
}  // namespace

OptionalValue Rvi::update_candle(const Candle& c) {
    const Pair p{c.close - c.open, c.high - c.low};
    if (!std::isfinite(p.body) || !std::isfinite(p.range)) [[unlikely]]
        return {};
    if (raw_held_ < 3) [[unlikely]] {
        raw_[raw_held_++] = p;
        return {};
    }
    // raw_[0..2] hold the three pairs before this one (the oldest of four has already left).
    const Pair s{smooth(raw_[0].body, raw_[1].body, raw_[2].body, p.body),
                 smooth(raw_[0].range, raw_[1].range, raw_[2].range, p.range)};
    raw_[0] = raw_[1];
    raw_[1] = raw_[2];
    raw_[2] = p;
    const bool full = smoothed_.full();
    const CountedSum body = full ? body_sum_.replaced(smoothed_.oldest().body, s.body) : body_sum_.added(s.body);
    const CountedSum range = full ? range_sum_.replaced(smoothed_.oldest().range, s.range) : range_sum_.added(s.range);
    // A smoothing or a sum beyond the doubles would leave the sums infinite (then NaN) for good:
    // that smoothed pair is left out and the candle gives nothing. The candle itself still moves
    // the four-candle window on, or huge candles in it would refuse every later one.
    if (!std::isfinite(body.sum) || !std::isfinite(range.sum)) [[unlikely]]
        return {};
    if (!smoothed_.push(s)) [[unlikely]]
        return {};
    body_sum_ = body;
    range_sum_ = range;
    if (!smoothed_.full()) return {};
    if (range.all_zero() || !(range.sum > 0.0)) {
        if (!has_last_) return {};
        return last_;
    }
    const double value = body.all_zero() ? 0.0 : body.sum / range.sum;
    // A large body over a range sum left with a tiny residue leaves the doubles.
    if (!std::isfinite(value)) [[unlikely]]
        return {};
    last_ = value;
    has_last_ = true;
    return value;
}

}  // namespace prynox
