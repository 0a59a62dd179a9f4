#pragma once
// |buys - sells| / n over the last n prints, counted exactly.
#include <cstdint>
#include <expected>
#include <span>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Pin {
public:
    // Window check on the period.
    static std::expected<Pin, IndicatorError> create(std::uint64_t period);

    OptionalValue update_trades(std::span<const TradePrint> prints);
    std::uint64_t warmup_period() const { return sides_.capacity(); }

private:
    explicit Pin(std::uint64_t period) : sides_(period) {}

    RollingWindow<std::uint8_t> sides_;  // 1 for a buy, 0 for a sell
    std::uint64_t buys_ = 0;
};

}  // namespace prynox
