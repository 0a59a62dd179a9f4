#include "indicators/range_oscillators/choppiness_index.hpp"

#include <cmath>

#include "indicators/cores/atr_stage.hpp"
#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<ChoppinessIndex, IndicatorError> ChoppinessIndex::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kChoppinessPeriodMessage)) return std::unexpected(*e);
    return ChoppinessIndex(period);
}

ChoppinessIndex::ChoppinessIndex(std::uint64_t period)
    : ranges_(period), extremes_(period), log_period_(std::log10(static_cast<double>(period))) {}

OptionalValue ChoppinessIndex::update_candle(const Candle& c) {
    const double tr = has_previous_close_ ? true_range(c.high, c.low, previous_close_) : c.high - c.low;
    if (!std::isfinite(tr)) [[unlikely]] {
        previous_close_ = c.close;
        has_previous_close_ = true;
        return {};
    }
    if (!ranges_.make_room() || !extremes_.push(c.high, c.low)) [[unlikely]]
        return {};
    previous_close_ = c.close;
    has_previous_close_ = true;
    double sum = sum_;
    if (ranges_.full()) sum -= ranges_.oldest();
    (void)ranges_.push(tr);
    sum_ = sum + tr;
    if (!ranges_.full()) return {};
    const double range = extremes_.high() - extremes_.low();
    if (range == 0.0) return 100.0;
    // A range beyond the doubles, or a sum left with a residue of ranges that have gone, has no
    // meaningful logarithm: no value for that candle.
    return finite_result((std::log10(sum_ / range) * 100.0) / log_period_);
}

}  // namespace prynox
