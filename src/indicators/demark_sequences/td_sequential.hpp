#pragma once
// DeMark sequential: the setup count, the countdown and the active side of the DeMark
// countdown, published together. The counting is the countdown's own (one constructor and one
// state for both types).
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/demark_counts/td_countdown.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class TdSequential {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"setup", "countdown", "direction"};

    // The countdown's zero checks on the four counts; no upper bound (the window grows with the data).
    static std::expected<TdSequential, IndicatorError> create(std::uint64_t setup_lookback, std::uint64_t setup_length,
                                                              std::uint64_t countdown_lookback,
                                                              std::uint64_t countdown_length);

    bool update_candle(const Candle& c, std::array<double, 3>& out) {
        if (!counts_.step(c)) return false;
        out = {counts_.setup(), counts_.countdown(), counts_.direction()};
        return true;
    }
    // max(a, c) + 1, saturating
    std::uint64_t warmup_period() const { return counts_.warmup_period(); }

private:
    explicit TdSequential(TdCountdown counts) : counts_(std::move(counts)) {}

    TdCountdown counts_;
};

}  // namespace prynox
