#include "indicators/stochastic_momentum/ultimate_oscillator.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/atr_stage.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<UltimateOscillator, IndicatorError> UltimateOscillator::create(std::uint64_t w1, std::uint64_t w2,
                                                                             std::uint64_t w3) {
    if (w1 == 0 || w2 == 0 || w3 == 0) return std::unexpected(IndicatorError::zero_period());
    return UltimateOscillator(w1, w2, w3, std::max({w1, w2, w3}));
}

UltimateOscillator::UltimateOscillator(std::uint64_t w1, std::uint64_t w2, std::uint64_t w3, std::uint64_t largest)
    : pairs_(sat_add(largest, 1)), sums_{{w1}, {w2}, {w3}}, largest_(largest) {}

std::uint64_t UltimateOscillator::warmup_period() const { return sat_add(largest_, 1); }

OptionalValue UltimateOscillator::update_candle(const Candle& c) {
    if (!has_previous_close_) [[unlikely]] {
        previous_close_ = c.close;
        has_previous_close_ = true;
        return {};
    }
    const double tl = std::min(c.low, previous_close_), th = max_num(c.high, previous_close_);
    const Pair p{c.close - tl, th - tl};
    // The pair wj positions before the newest leaves window j once the ring holds more than wj.
    const std::size_t held = pairs_.size() + 1;
    Sums next[3] = {sums_[0], sums_[1], sums_[2]};
    for (Sums& s : next) {
        s.bp += p.bp;
        s.tr += p.tr;
        if (p.tr != 0.0) ++s.ranged;
        if (held > s.window) {
            const Pair& out = pairs_.back(s.window - 1);
            s.bp -= out.bp;
            s.tr -= out.tr;
            if (out.tr != 0.0) --s.ranged;
        }
    }
    // A range beyond the doubles would leave the sums infinite (then NaN) for good.
    bool finite = true;
    for (const Sums& s : next) finite = finite && std::isfinite(s.bp) && std::isfinite(s.tr);
    if (!finite) [[unlikely]] {
        previous_close_ = c.close;
        return {};
    }
    if (!pairs_.push(p)) [[unlikely]]
        return {};
    sums_[0] = next[0];
    sums_[1] = next[1];
    sums_[2] = next[2];
    previous_close_ = c.close;
    taken_ = sat_add(taken_, 1);
    if (taken_ < largest_) return {};
    const double r1 = sums_[0].ratio(), r2 = sums_[1].ratio(), r3 = sums_[2].ratio();
    return (((4.0 * r1 + 2.0 * r2) + r3) * 100.0) / 7.0;
}

}  // namespace prynox
