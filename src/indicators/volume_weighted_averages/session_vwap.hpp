#pragma once
// Session VWAP: the volume-weighted mean of the typical price since the start of the candle's
// local day (its time moved by an offset in minutes); the typical price itself while the day has
// no volume. A candle of another local day, earlier or later, starts a new day.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class SessionVwap {
public:
    // No checks: any offset builds.
    static std::expected<SessionVwap, IndicatorError> create(std::int32_t offset_minutes) {
        return SessionVwap(offset_minutes);
    }

    // Nothing, with nothing changed, for a candle whose typical price, weighted price or day sums
    // leave the doubles.
    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit SessionVwap(std::int32_t offset_minutes) : offset_(offset_minutes) {}

    bool has_day_ = false;
    std::int64_t day_ = 0;  // day number of the local date: one number per date
    double weighted_ = 0.0;
    double volume_ = 0.0;
    std::int32_t offset_;
};

}  // namespace prynox
