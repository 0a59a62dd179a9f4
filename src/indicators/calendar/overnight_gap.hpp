#pragma once
// Overnight gap: the open of the current local day over the last close of the day before, less 1;
// the same value on every candle of the day. A day whose gap leaves the doubles (an open of 1e10
// after a close of 1e-300) gives no value; the next day's gap is measured from its last close.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class OvernightGap {
public:
    // Any offset in minutes: nothing to refuse.
    static std::expected<OvernightGap, IndicatorError> create(std::int32_t offset_minutes) {
        return OvernightGap(offset_minutes);
    }

    OptionalValue update_candle(const Candle& c);
    // 2, although values start with the first candle of the second local day.
    std::uint64_t warmup_period() const { return 2; }

private:
    explicit OvernightGap(std::int32_t offset_minutes) : offset_minutes_(offset_minutes) {}

    std::int64_t day_ = 0;
    double last_close_ = 0.0;
    double gap_ = 0.0;
    std::int32_t offset_minutes_;
    bool has_day_ = false;
    bool has_close_ = false;
    bool has_gap_ = false;
};

}  // namespace prynox
