#pragma once
// Volatility of volatility: the sample standard deviation of the last Q volatilities, each the
// sample standard deviation of the last P log returns.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/log_return_input.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/cores/shifted_sums_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kVolatilityOfVolatilityMessage = "vol-of-vol windows must both be >= 2";

class VolatilityOfVolatility {
public:
    // Zeros, then both >= 2; neither window is bounded by MAX_PERIOD (both grow with the data).
    static std::expected<VolatilityOfVolatility, IndicatorError> create(std::uint64_t returns_period,
                                                                        std::uint64_t vol_period);

    OptionalValue update_value(double x);
    // P + Q
    std::uint64_t warmup_period() const { return sat_add(returns_.length(), vols_.length()); }

private:
    VolatilityOfVolatility(std::uint64_t returns_period, std::uint64_t vol_period)
        : returns_(returns_period), vols_(vol_period) {}

    LogReturnInput input_;
    ShiftedSumsWindow returns_;
    ShiftedSumsWindow vols_;
};

}  // namespace prynox
