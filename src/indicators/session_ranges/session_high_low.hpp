#pragma once
// The high and low of the current local day, from its first candle to this one.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/session_ranges/current_day.hpp"

namespace prynox {

class SessionHighLow {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"high", "low"};

    // Any offset in minutes: nothing to refuse.
    static std::expected<SessionHighLow, IndicatorError> create(std::int32_t offset_minutes) {
        return SessionHighLow(offset_minutes);
    }

    // Every valid candle gives values.
    bool update_candle(const Candle& c, std::array<double, 2>& out);
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit SessionHighLow(std::int32_t offset_minutes) : day_(offset_minutes) {}

    CurrentDay day_;
    double high_ = 0.0;
    double low_ = 0.0;
};

}  // namespace prynox
