#pragma once
// Turn of month: the mean daily return, close to close, of the local days that lie within the
// first N or the last M days of their month. A selected day whose return leaves the doubles (a
// close of 1e10 after a day that ended at 1e-300) is left out of the mean, and its candles give
// no value; the next day's return is measured from its last close.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TurnOfMonth {
public:
    // N = 0 and M = 0 together select no day: refused with ZeroPeriod; either alone may be 0.
    static std::expected<TurnOfMonth, IndicatorError> create(std::uint32_t first_days, std::uint32_t last_days,
                                                             std::int32_t offset_minutes);

    OptionalValue update_candle(const Candle& c);
    // 2, although values start only once a selected day has ended after a complete day.
    std::uint64_t warmup_period() const { return 2; }

private:
    TurnOfMonth(std::uint32_t first_days, std::uint32_t last_days, std::int32_t offset_minutes)
        : first_days_(first_days), last_days_(last_days), offset_minutes_(offset_minutes) {}

    // Whether the local day numbered `day` lies in the turn-of-month window.
    bool selected(std::int64_t day) const;

    std::int64_t day_ = 0;
    double day_before_close_ = 0.0;  // close at the end of the day before the current one
    double last_close_ = 0.0;
    double sum_ = 0.0;
    std::uint64_t count_ = 0;
    std::uint32_t first_days_;
    std::uint32_t last_days_;
    std::int32_t offset_minutes_;
    bool has_day_ = false;
    bool has_day_before_close_ = false;
    bool day_selected_ = false;
};

}  // namespace prynox
