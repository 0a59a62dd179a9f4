#include "indicators/demark_counts/td_countdown.hpp"

namespace prynox {

std::expected<TdCountdown, IndicatorError> TdCountdown::create(std::uint64_t setup_lookback, std::uint64_t setup_length,
                                                               std::uint64_t countdown_lookback,
                                                               std::uint64_t countdown_length) {
    if (setup_lookback == 0 || setup_length == 0 || countdown_lookback == 0 || countdown_length == 0)
        return std::unexpected(IndicatorError::zero_period());
    return TdCountdown(setup_lookback, setup_length, countdown_lookback, countdown_length);
}

bool TdCountdown::step(const Candle& c) {
    if (!bars_.make_room()) [[unlikely]]
        return false;
    if (!bars_.full()) {
        (void)bars_.push(c);  // room was made above
        return false;
    }
    const double setup_reference = bars_.back(setup_lookback_ - 1).close;
    const Candle& far = bars_.back(countdown_lookback_ - 1);
    const double far_low = far.low, far_high = far.high;
    if (phase_.step(c.close, setup_reference)) {
        buy_count_ = 0;
        sell_count_ = 0;
        qualifier_ = std::numeric_limits<double>::quiet_NaN();
    }
    // The last bar of a countdown must reach the close recorded at count c - 5 (none with c <= 5).
    if (phase_.side == TdSetupPhase::Buy) {
        if (c.close <= far_low && buy_count_ < length_) {
            const std::uint64_t k = buy_count_ + 1;
            if (!(k >= length_ && !std::isnan(qualifier_) && c.low > qualifier_)) {
                buy_count_ = k;
                if (length_ > 5 && k == length_ - 5) qualifier_ = c.close;
            }
        }
    } else if (phase_.side == TdSetupPhase::Sell) {
        if (c.close >= far_high && sell_count_ < length_) {
            const std::uint64_t k = sell_count_ + 1;
            if (!(k >= length_ && !std::isnan(qualifier_) && c.high < qualifier_)) {
                sell_count_ = k;
                if (length_ > 5 && k == length_ - 5) qualifier_ = c.close;
            }
        }
    }
    (void)bars_.push(c);
    return true;
}

}  // namespace prynox
