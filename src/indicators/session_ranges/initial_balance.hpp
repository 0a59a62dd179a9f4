#pragma once
// Initial balance: the high and low of the first n valid candles of the run, running until the
// n-th and frozen after it.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/session_ranges/first_bars_range.hpp"

namespace prynox {

class InitialBalance {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"high", "low"};

    // The window check of n.
    static std::expected<InitialBalance, IndicatorError> create(std::uint64_t n);

    // Every valid candle gives values.
    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // 1 whatever n: the running range is a value from the first candle on.
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit InitialBalance(std::uint64_t n) : range_(n) {}

    FirstBarsRange range_;
};

}  // namespace prynox
