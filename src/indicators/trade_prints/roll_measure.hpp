#pragma once
// Roll's spread estimate over the last n price changes: 2 sqrt(-cov) for a negative first-order
// autocovariance of the changes, else 0. Linear in n per print: the window is scanned twice.
#include <cstdint>
#include <expected>
#include <span>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class RollMeasure {
public:
    static constexpr const char* kPeriodMessage = "Roll measure needs period >= 3";

    // n >= 3, then the maximum.
    static std::expected<RollMeasure, IndicatorError> create(std::uint64_t period);

    // A window whose estimate is not finite (changes too large to square) gives no value.
    OptionalValue update_trades(std::span<const TradePrint> prints);
    std::uint64_t warmup_period() const;

private:
    explicit RollMeasure(std::uint64_t period) : changes_(period) {}
    OptionalValue estimate() const;

    OptionalValue previous_;
    RollingWindow<double> changes_;
};

}  // namespace prynox
