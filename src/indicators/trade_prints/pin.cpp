#include "indicators/trade_prints/pin.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Pin, IndicatorError> Pin::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Pin(period);
}

OptionalValue Pin::update_trades(std::span<const TradePrint> prints) {
    OptionalValue result;
    for (const TradePrint& t : prints) {
        if (!sides_.make_room()) [[unlikely]]
            return {};
        if (sides_.full()) buys_ -= sides_.oldest();
        const std::uint8_t buy = t.side == Side::Sell ? 0 : 1;
        (void)sides_.push(buy);  // room was made above
        buys_ += buy;
        if (!sides_.full()) {
            result = {};
            continue;
        }
        const double n = static_cast<double>(sides_.capacity()), b = static_cast<double>(buys_);
        result = std::fabs((b - n) + b) / n;
    }
    return result;
}

}  // namespace prynox
