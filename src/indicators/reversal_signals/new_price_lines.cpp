#include "indicators/reversal_signals/new_price_lines.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<NewPriceLines, IndicatorError> NewPriceLines::create(std::uint64_t count) {
    if (auto e = check_minimum(count, 2, kNewPriceLinesCountMessage)) return std::unexpected(*e);
    return NewPriceLines(count);
}

OptionalValue NewPriceLines::update_candle(const Candle& c) {
    const double close = c.close;
    if (!previous_close_) {
        previous_close_ = close;
        return std::nullopt;
    }
    if (close > *previous_close_) {
        ++higher_;
        lower_ = 0;
    } else if (close < *previous_close_) {
        ++lower_;
        higher_ = 0;
    } else {
        higher_ = 0;
        lower_ = 0;
    }
    previous_close_ = close;
    double value = 0.0;
    if (lower_ >= count_) value = 1.0;
    if (higher_ >= count_) value = -1.0;
    return value;
}

}  // namespace prynox
