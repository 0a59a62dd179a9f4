#pragma once
// Frying pan bottom: a bullish rounded bottom over the last n closes: +1 when the lowest close
// lies in the middle half of the window and the current close is above both it and the oldest
// close, 0 otherwise.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kFryPanBottomPeriod = "frying pan bottom needs period >= 5";

class FryPanBottom {
public:
    // At least 5 (with its own message, 0 included), then the maximum.
    static std::expected<FryPanBottom, IndicatorError> create(std::uint64_t period);

    // Scans the n closes on every full bar.
    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return closes_.capacity(); }

private:
    explicit FryPanBottom(std::uint64_t period) : closes_(period) {}

    RollingWindow<double> closes_;
};

}  // namespace prynox
