#include "indicators/range_oscillators/pgo.hpp"

#include <cmath>

#include "indicators/cores/atr_stage.hpp"

namespace prynox {

std::expected<Pgo, IndicatorError> Pgo::create(std::uint64_t period) {
    auto average = Sma::create(period);
    if (!average) return std::unexpected(average.error());
    return Pgo(std::move(*average), period);
}

OptionalValue Pgo::update_candle(const Candle& c) {
    const double tr = has_previous_close_ ? true_range(c.high, c.low, previous_close_) : c.high - c.low;
    if (!std::isfinite(tr)) [[unlikely]] {
        previous_close_ = c.close;
        has_previous_close_ = true;
        return {};
    }
    const OptionalValue sma = average_.update_value(c.close);
    previous_close_ = c.close;
    has_previous_close_ = true;
    const OptionalValue e = stage_.step(tr);
    if (!e || !sma) return {};
    if (!(*e > 0.0)) {
        if (!has_last_) return {};
        return last_;
    }
    const double value = (c.close - *sma) / *e;
    // A distance over a tiny smoothed range can leave the doubles: no value, the last one stays.
    if (!std::isfinite(value)) [[unlikely]]
        return {};
    last_ = value;
    has_last_ = true;
    return value;
}

}  // namespace prynox
