#pragma once
// Average daily range: the mean high-low range of up to the last n completed local days.
#include <cstdint>
#include <expected>
#include <limits>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class AverageDailyRange {
public:
    // The window check on the number of days; any offset in minutes.
    static std::expected<AverageDailyRange, IndicatorError> create(std::uint64_t days, std::int32_t offset_minutes);

    OptionalValue update_candle(const Candle& c);
    // n, although values start with the first candle of the second local day.
    std::uint64_t warmup_period() const { return ranges_.capacity(); }

private:
    AverageDailyRange(std::uint64_t days, std::int32_t offset_minutes)
        : ranges_(days), offset_minutes_(offset_minutes) {}

    // The window's sum once a day of range r has been pushed: added, then the oldest taken away
    // when the window was full.
    double sum_with(double r) const { return ranges_.full() ? (sum_ + r) - ranges_.oldest() : sum_ + r; }
    // The same for the day after, once `ended` has been pushed and the sum has become `sum`.
    double sum_after(double sum, double ended, double r) const {
        if (!ranges_.full() && ranges_.size() + 1 < ranges_.capacity()) return sum + r;
        const double oldest = ranges_.capacity() == 1 ? ended : ranges_.full() ? ranges_[1] : ranges_.oldest();
        return (sum + r) - oldest;
    }

    RollingWindow<double> ranges_;  // ranges of the completed days, oldest first
    double sum_ = 0.0;              // never re-summed
    std::uint64_t nonzero_ = 0;     // ranges held that are not 0
    std::int64_t day_ = 0;
    double day_high_ = -std::numeric_limits<double>::infinity();
    double day_low_ = std::numeric_limits<double>::infinity();
    std::int32_t offset_minutes_;
    bool has_day_ = false;
};

}  // namespace prynox
