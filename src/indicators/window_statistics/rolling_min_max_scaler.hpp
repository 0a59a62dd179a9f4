#pragma once
// Min-max scaling of the close into the range of the last N closes: 0 at the window's low, 1 at
// its high, 0.5 for a window without range.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/window_extremes.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kMinMaxScalerPeriodMessage = "min-max scaler needs period >= 2";

class RollingMinMaxScaler {
public:
    // Zero, then MAX_PERIOD, then the minimum of 2 with its own message.
    static std::expected<RollingMinMaxScaler, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return extremes_.length(); }

private:
    explicit RollingMinMaxScaler(std::uint64_t period) : extremes_(period) {}

    // The window's low and high without a scan (what a scan would give).
    WindowExtremes extremes_;
};

}  // namespace prynox
