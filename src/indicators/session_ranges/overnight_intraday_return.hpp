#pragma once
// Overnight and intraday returns: from the previous local day's last close to the day's first
// open, and from that open to this close. Values start with the second local day.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/session_ranges/current_day.hpp"

namespace prynox {

class OvernightIntradayReturn {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"overnight", "intraday"};

    // Any offset in minutes: nothing to refuse.
    static std::expected<OvernightIntradayReturn, IndicatorError> create(std::int32_t offset_minutes) {
        return OvernightIntradayReturn(offset_minutes);
    }

    // A day whose overnight return overflows gives no values; the next day's is measured from its
    // last close. A candle whose intraday return overflows gives no values.
    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // 2, although values start with the first candle of the second local day.
    std::uint64_t warmup_period() const { return 2; }

private:
    explicit OvernightIntradayReturn(std::int32_t offset_minutes) : day_(offset_minutes) {}

    CurrentDay day_;
    double previous_close_ = 0.0;
    double overnight_ = 0.0;
    double first_open_ = 0.0;
    bool has_previous_close_ = false;
    bool has_overnight_ = false;
};

}  // namespace prynox
