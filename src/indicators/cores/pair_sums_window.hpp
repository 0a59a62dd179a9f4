#pragma once
// The last p pairs of values (buy and sell volume, up and down move) with the running sum of
// each side at 0: the state of the one constructor that the trade type TradeImbalance and the
// candle type IntradayMomentumIndex share, whose only check is the window check on p.
#include <cstdint>
#include <expected>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

struct ValuePair {
    double first = 0.0;
    double second = 0.0;
};

struct PairSumsWindow {
    static CheckResult check(std::uint64_t period) { return check_window(period); }
    static std::expected<PairSumsWindow, IndicatorError> create(std::uint64_t period) {
        if (auto e = check(period)) return std::unexpected(*e);
        return PairSumsWindow(period);
    }

    std::uint64_t period() const { return pairs.capacity(); }

    RollingWindow<ValuePair> pairs;
    double first_sum = 0.0;
    double second_sum = 0.0;

private:
    explicit PairSumsWindow(std::uint64_t period) : pairs(period) {}
};

}  // namespace prynox
