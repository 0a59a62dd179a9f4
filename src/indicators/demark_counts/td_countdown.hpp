#pragma once
// DeMark countdown: once a setup of length s completes (closes against the close a bars back),
// counts the bars of the active side whose close is at or beyond the extreme b bars back (at or
// below its low for a buy), up to the countdown length c. The final bar must reach the close
// recorded at count c - 5 (its low at or below it for a buy). Buy counts are positive, sell
// counts negative; 0 before any setup completes.
//
// A value type that a multi-output type can embed: `step` runs one candle and the accessors give
// what it counted.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <expected>
#include <limits>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/demark_counts/td_setup_phase.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TdCountdown {
public:
    // The zero checks on the four counts, in order; none has an upper bound (the window grows
    // with the data).
    static std::expected<TdCountdown, IndicatorError> create(std::uint64_t setup_lookback, std::uint64_t setup_length,
                                                             std::uint64_t countdown_lookback,
                                                             std::uint64_t countdown_length);

    OptionalValue update_candle(const Candle& c) {
        if (!step(c)) return std::nullopt;
        return countdown();
    }
    std::uint64_t warmup_period() const { return sat_add(bars_.capacity(), 1); }

    // One candle; false (nothing changed) while the window fills or when it has no storage.
    bool step(const Candle& c);

    // +buy setup count, -sell setup count, or 0.
    double setup() const {
        return phase_.buy > 0 ? signed_count(phase_.buy, false) : signed_count(phase_.sell, true);
    }
    // The active side's countdown, negative for sell; 0 before any setup completes.
    double countdown() const {
        return phase_.side == TdSetupPhase::Buy    ? signed_count(buy_count_, false)
               : phase_.side == TdSetupPhase::Sell ? signed_count(sell_count_, true)
                                                   : 0.0;
    }
    // +1 buy, -1 sell, 0 before any setup completes.
    double direction() const {
        return phase_.side == TdSetupPhase::Buy ? 1.0 : phase_.side == TdSetupPhase::Sell ? -1.0 : 0.0;
    }

private:
    TdCountdown(std::uint64_t a, std::uint64_t s, std::uint64_t b, std::uint64_t c)
        : bars_(std::max(a, b)), setup_lookback_(a), countdown_lookback_(b), length_(c), phase_{s} {}

    RollingWindow<Candle> bars_;  // the last max(a, b) candles
    std::uint64_t setup_lookback_;
    std::uint64_t countdown_lookback_;
    std::uint64_t length_;
    TdSetupPhase phase_;
    std::uint64_t buy_count_ = 0;
    std::uint64_t sell_count_ = 0;
    double qualifier_ = std::numeric_limits<double>::quiet_NaN();  // NaN: not recorded
};

}  // namespace prynox
