#pragma once
// The last p whole candles: the state of the one constructor that MidPrice, WilliamsR and
// Donchian share, whose only check is the window check on p.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

struct CandleWindow {
    static CheckResult check(std::uint64_t period) { return check_window(period); }
    static std::expected<CandleWindow, IndicatorError> create(std::uint64_t period) {
        if (auto e = check(period)) return std::unexpected(*e);
        return CandleWindow(period);
    }

    std::uint64_t period() const { return candles.capacity(); }

    RollingWindow<Candle> candles;

private:
    explicit CandleWindow(std::uint64_t period) : candles(period) {}
};

}  // namespace prynox
