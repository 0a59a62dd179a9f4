#pragma once
// The mean product of consecutive trade signs over the last n prints (no mean subtracted, no
// variance division). The products are +-1, so their sum is kept as an exact count.
#include <cstdint>
#include <expected>
#include <span>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TradeSignAutocorrelation {
public:
    static constexpr const char* kPeriodMessage = "trade-sign autocorrelation needs period >= 2";

    // n >= 2, then the maximum.
    static std::expected<TradeSignAutocorrelation, IndicatorError> create(std::uint64_t period);

    OptionalValue update_trades(std::span<const TradePrint> prints);
    std::uint64_t warmup_period() const { return signs_.capacity(); }

private:
    explicit TradeSignAutocorrelation(std::uint64_t period) : signs_(period) {}

    RollingWindow<std::int8_t> signs_;
    std::int64_t products_ = 0;  // sum of s[i-1] * s[i] over the window
};

}  // namespace prynox
