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
    : pairs_(sat_add(largest, 1)), windows_{w1, w2, w3}, largest_(largest) {}

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
    double bp[3], tr[3];
    std::uint64_t ranged[3];
    bool finite = true;
    for (std::size_t j = 0; j < 3; ++j) {
        bp[j] = bp_[j] + p.bp;
        tr[j] = tr_[j] + p.tr;
        ranged[j] = ranged_[j] + (p.tr != 0.0 ? 1 : 0);
        if (held > windows_[j]) {
            const Pair& out = pairs_.back(windows_[j] - 1);
            bp[j] -= out.bp;
            tr[j] -= out.tr;
            ranged[j] -= out.tr != 0.0 ? 1 : 0;
        }
        // A range beyond the doubles would leave the sums infinite (then NaN) for good.
        finite = finite && std::isfinite(bp[j]) && std::isfinite(tr[j]);
    }
    if (!finite) [[unlikely]] {
        previous_close_ = c.close;
        return {};
    }
    if (!pairs_.push(p)) [[unlikely]]
        return {};
    for (std::size_t j = 0; j < 3; ++j) bp_[j] = bp[j], tr_[j] = tr[j], ranged_[j] = ranged[j];
    previous_close_ = c.close;
    taken_ = sat_add(taken_, 1);
    if (taken_ < largest_) return {};
    const auto ratio = [&](std::size_t j) { return ranged[j] == 0 || tr[j] == 0.0 ? 0.5 : bp[j] / tr[j]; };
    const double r1 = ratio(0), r2 = ratio(1), r3 = ratio(2);
    return (((4.0 * r1 + 2.0 * r2) + r3) * 100.0) / 7.0;
}

}  // namespace prynox
