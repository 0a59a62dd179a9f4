#pragma once
// Realised volatility: the square root of the sum of the last N squared log returns (neither
// averaged nor annualised). The sum runs with the leaving square subtracted and is re-summed
// exactly every N returns.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/log_return_input.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class RealizedVolatility {
public:
    // Window check on the period.
    static std::expected<RealizedVolatility, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    // N + 1
    std::uint64_t warmup_period() const { return sat_add(returns_.capacity(), 1); }

private:
    explicit RealizedVolatility(std::uint64_t period) : returns_(period) {}

    LogReturnInput input_;
    RollingWindow<double> returns_;
    double q_ = 0.0;
    std::uint64_t updates_ = 0;
    // Squares in the window that are not 0: none means a flat window, whose value is exactly 0
    // whatever the running sum kept from earlier moves.
    std::uint64_t nonzero_ = 0;
};

}  // namespace prynox
