#pragma once
// Historical volatility: 100 times the sample standard deviation of the last N log returns,
// scaled by the square root of an annualisation factor A.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/log_return_input.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/cores/shifted_sums_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kHistoricalVolatilityPeriodMessage = "historical volatility period must be >= 2";

class HistoricalVolatility {
public:
    // A zero period or factor, then the minimum of 2, then MAX_PERIOD; the factor is not bounded.
    static std::expected<HistoricalVolatility, IndicatorError> create(std::uint64_t period,
                                                                      std::uint64_t annualisation);

    OptionalValue update_value(double x);
    // N + 1
    std::uint64_t warmup_period() const { return sat_add(returns_.length(), 1); }

private:
    HistoricalVolatility(std::uint64_t period, std::uint64_t annualisation)
        : returns_(period), sqrt_annualisation_(std::sqrt(static_cast<double>(annualisation))) {}

    LogReturnInput input_;
    ShiftedSumsWindow returns_;
    double sqrt_annualisation_;
};

}  // namespace prynox
