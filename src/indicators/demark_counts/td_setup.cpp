#include "indicators/demark_counts/td_setup.hpp"

#include <algorithm>

namespace prynox {

std::expected<TdSetup, IndicatorError> TdSetup::create(std::uint64_t lookback, std::uint64_t largest) {
    if (lookback == 0 || largest == 0) return std::unexpected(IndicatorError::zero_period());
    return TdSetup(lookback, largest);
}

OptionalValue TdSetup::update_candle(const Candle& c) {
    if (!closes_.make_room()) [[unlikely]]
        return std::nullopt;
    if (!closes_.full()) {
        (void)closes_.push(c.close);  // room was made above
        return std::nullopt;
    }
    const double reference = closes_.oldest();  // the close k bars back
    (void)closes_.push(c.close);
    if (c.close < reference) {
        buy_ = std::min(sat_add(buy_, 1), largest_);
        sell_ = 0;
        return static_cast<double>(buy_);
    }
    if (c.close > reference) {
        sell_ = std::min(sat_add(sell_, 1), largest_);
        buy_ = 0;
        return -static_cast<double>(sell_);
    }
    buy_ = 0;
    sell_ = 0;
    return 0.0;
}

}  // namespace prynox
