#pragma once
// The ranges (high - low) of the three eight-hour sessions of the current local day: asia from
// 00:00, eu from 08:00, us from 16:00; a session without a candle yet today is 0.
#include <array>
#include <cstdint>
#include <expected>
#include <limits>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/session_ranges/current_day.hpp"

namespace prynox {

class SessionRange {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"asia", "eu", "us"};

    // Any offset in minutes: nothing to refuse.
    static std::expected<SessionRange, IndicatorError> create(std::int32_t offset_minutes) {
        return SessionRange(offset_minutes);
    }

    // A candle whose session range would overflow is refused.
    bool update_candle(const Candle& c, std::array<double, 3>& out);
    std::uint64_t warmup_period() const { return 1; }

private:
    static constexpr double kInf = std::numeric_limits<double>::infinity();

    explicit SessionRange(std::int32_t offset_minutes) : day_(offset_minutes) {}

    CurrentDay day_;
    std::array<double, 3> highs_{-kInf, -kInf, -kInf};
    std::array<double, 3> lows_{kInf, kInf, kInf};
};

}  // namespace prynox
