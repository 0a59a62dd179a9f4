#pragma once
// DeMark combo: the setup of the countdown, then a count of the active side's bars that close
// beyond the previous close, at or beyond the extreme b bars back, and extend the previous bar's
// extreme (for a buy: close below the previous close, at or below the low b bars back, low at or
// below the previous low), up to the combo length. Buy counts positive, sell counts negative.
#include <algorithm>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/demark_counts/td_setup_phase.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TdCombo {
public:
    // The zero checks on the four counts, in order; no upper bound.
    static std::expected<TdCombo, IndicatorError> create(std::uint64_t setup_lookback, std::uint64_t setup_length,
                                                         std::uint64_t combo_lookback, std::uint64_t combo_length);

    // A candle the window has no storage for gives nothing and changes nothing.
    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return sat_add(bars_.capacity(), 1); }

private:
    TdCombo(std::uint64_t a, std::uint64_t s, std::uint64_t b, std::uint64_t c)
        : bars_(std::max(a, b)), setup_lookback_(a), combo_lookback_(b), length_(c), phase_{s} {}

    RollingWindow<Candle> bars_;  // the last max(a, b) candles
    std::uint64_t setup_lookback_;
    std::uint64_t combo_lookback_;
    std::uint64_t length_;
    TdSetupPhase phase_;
    std::uint64_t buy_count_ = 0;
    std::uint64_t sell_count_ = 0;
};

}  // namespace prynox
