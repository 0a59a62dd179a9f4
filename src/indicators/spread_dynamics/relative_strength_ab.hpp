#pragma once
// Relative strength of the instrument against the reference: the ratio close / reference, its
// simple moving average and its RSI. Both averages take every ratio, whatever the other gives.
#include <array>
#include <cstdint>
#include <expected>

#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"
#include "indicators/rsi_family/rsi.hpp"

namespace prynox {

class RelativeStrengthAB {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"ratio", "ratio_ma", "ratio_rsi"};

    // The average's window check on ma_period, then the RSI's on rsi_period.
    static std::expected<RelativeStrengthAB, IndicatorError> create(std::uint64_t ma_period, std::uint64_t rsi_period);

    bool update_pair(double close, double reference, std::array<double, 3>& out);
    std::uint64_t warmup_period() const;

private:
    RelativeStrengthAB(Sma ma, Rsi rsi) : ma_(std::move(ma)), rsi_(std::move(rsi)) {}

    Sma ma_;
    Rsi rsi_;
};

}  // namespace prynox
