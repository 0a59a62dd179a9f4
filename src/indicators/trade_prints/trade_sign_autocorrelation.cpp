#include "indicators/trade_prints/trade_sign_autocorrelation.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<TradeSignAutocorrelation, IndicatorError> TradeSignAutocorrelation::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kPeriodMessage)) return std::unexpected(*e);
    return TradeSignAutocorrelation(period);
}

OptionalValue TradeSignAutocorrelation::update_trades(std::span<const TradePrint> prints) {
    OptionalValue result;
    for (const TradePrint& t : prints) {
        if (!signs_.make_room()) [[unlikely]]
            return {};
        const std::int8_t s = t.side == Side::Sell ? -1 : 1;
        if (signs_.full()) products_ -= signs_[0] * signs_[1];  // the oldest product leaves
        if (!signs_.empty()) products_ += signs_.newest() * s;
        (void)signs_.push(s);  // room was made above
        if (!signs_.full()) {
            result = {};
            continue;
        }
        // Sums of +-1 are exact in a double too: this is the written sum divided by n - 1.
        result = static_cast<double>(products_) / static_cast<double>(signs_.capacity() - 1);
    }
    return result;
}

}  // namespace prynox
