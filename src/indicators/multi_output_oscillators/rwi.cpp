#include "indicators/multi_output_oscillators/rwi.hpp"

#include <cmath>

#include "indicators/cores/atr_stage.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Rwi, IndicatorError> Rwi::create(std::uint64_t period) {
    if (period == 0) return std::unexpected(IndicatorError::zero_period());
    if (auto e = check_minimum(period, 2, kRwiPeriodMessage)) return std::unexpected(*e);
    return Rwi(period);
}

bool Rwi::update_candle(const Candle& c, std::array<double, 2>& out) {
    const bool has_previous = !candles_.empty();
    // The first candle's range is never stored.
    const double tr = has_previous ? true_range(c.high, c.low, last_close_) : 0.0;
    if (!std::isfinite(tr)) [[unlikely]] {
        last_close_ = c.close;
        return false;
    }
    if (!candles_.make_room() || !ranges_.make_room()) [[unlikely]]
        return false;
    (void)candles_.push({c.high, c.low});  // room was made above
    if (has_previous) (void)ranges_.push(tr);
    last_close_ = c.close;
    if (!candles_.full()) return false;
    const std::size_t n = candles_.size(), m = ranges_.size();
    double high_out = 0.0, low_out = 0.0;
    for (std::size_t k = 2; k <= n; ++k) {
        const HighLow& old = candles_.back(k - 1);
        double sum = 0.0;
        for (std::size_t j = m - (k - 1); j < m; ++j) sum += ranges_[j];
        const double atr = sum / static_cast<double>(k - 1);
        const double denom = std::sqrt(static_cast<double>(k)) * atr;
        if (denom == 0.0) continue;
        const double rh = (c.high - old.low) / denom, rl = (old.high - c.low) / denom;
        if (rh > high_out) high_out = rh;
        if (rl > low_out) low_out = rl;
    }
    if (!(std::isfinite(high_out) && std::isfinite(low_out))) [[unlikely]]
        return false;
    out = {high_out, low_out};
    return true;
}

}  // namespace prynox
