#include "indicators/demark_counts/td_combo.hpp"

namespace prynox {

std::expected<TdCombo, IndicatorError> TdCombo::create(std::uint64_t setup_lookback, std::uint64_t setup_length,
                                                       std::uint64_t combo_lookback, std::uint64_t combo_length) {
    if (setup_lookback == 0 || setup_length == 0 || combo_lookback == 0 || combo_length == 0)
        return std::unexpected(IndicatorError::zero_period());
    return TdCombo(setup_lookback, setup_length, combo_lookback, combo_length);
}

OptionalValue TdCombo::update_candle(const Candle& c) {
    if (!bars_.make_room()) [[unlikely]]
        return std::nullopt;
    if (!bars_.full()) {
        (void)bars_.push(c);  // room was made above
        return std::nullopt;
    }
    const double setup_reference = bars_.back(setup_lookback_ - 1).close;
    const Candle& far = bars_.back(combo_lookback_ - 1);
    const Candle& prev = bars_.back(0);
    const bool buy_bar = c.close < prev.close && c.close <= far.low && c.low <= prev.low;
    const bool sell_bar = c.close > prev.close && c.close >= far.high && c.high >= prev.high;
    if (phase_.step(c.close, setup_reference)) {
        buy_count_ = 0;
        sell_count_ = 0;
    }
    if (phase_.side == TdSetupPhase::Buy && buy_count_ < length_ && buy_bar) ++buy_count_;
    if (phase_.side == TdSetupPhase::Sell && sell_count_ < length_ && sell_bar) ++sell_count_;
    (void)bars_.push(c);
    return phase_.side == TdSetupPhase::Buy    ? signed_count(buy_count_, false)
           : phase_.side == TdSetupPhase::Sell ? signed_count(sell_count_, true)
                                               : 0.0;
}

}  // namespace prynox
