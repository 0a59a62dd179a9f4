#pragma once
// Connors RSI: the mean of an RSI of the close, an RSI of the up/down streak length, and the
// percent rank of the latest one-bar rate of change among the last R of them.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/rsi_family/rsi.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class ConnorsRsi {
public:
    // Any zero, then the price RSI's window check, then the streak RSI's; the rank lookback is
    // not bounded (its window grows with the data).
    static std::expected<ConnorsRsi, IndicatorError> create(std::uint64_t rsi_period, std::uint64_t streak_period,
                                                             std::uint64_t rank_period);

    OptionalValue update_value(double x);
    // max(A + 1, B + 2, R + 1): the streak RSI starts one bar late, the rank needs R changes.
    std::uint64_t warmup_period() const;

private:
    ConnorsRsi(Rsi price, Rsi streak, std::uint64_t rank_period)
        : price_rsi_(price), streak_rsi_(streak), changes_(rank_period), rank_period_(rank_period),
          rank_scale_(static_cast<double>(rank_period)) {}

    double rank_of_newest() const;
    // No value for a bar refused before anything moved; x still becomes the previous close of
    // this type and of its price RSI.
    OptionalValue rebase(double x);

    Rsi price_rsi_;
    Rsi streak_rsi_;
    RollingWindow<double> changes_;  // rates of change (x - p) / p, all finite
    std::uint64_t rank_period_;
    double rank_scale_;
    double previous_ = 0.0;
    bool has_previous_ = false;
    double streak_ = 0.0;
};

}  // namespace prynox
