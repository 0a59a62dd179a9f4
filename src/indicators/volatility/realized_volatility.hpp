#pragma once
// Realised volatility: the square root of the sum of the last N squared log returns (neither
// averaged nor annualised). The sum runs with the leaving square subtracted and is re-summed
// exactly every N returns.
#include <cstdint>
#include <expected>
#include <optional>
#include <utility>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/log_return_input.hpp"
#include "indicators/cores/return_window.hpp"
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
    // The state's previous price is kept by the input, unprimed until the first close.
    explicit RealizedVolatility(ReturnWindow state)
        : returns_(std::move(state.values)), q_(state.sum), updates_(state.updates) {}

    LogReturnInput input_;
    RollingWindow<double> returns_;
    double q_;
    std::uint64_t updates_;
    // Squares in the window that are not 0: none means a flat window, whose value is exactly 0
    // whatever the running sum kept from earlier moves.
    std::uint64_t nonzero_ = 0;
};

}  // namespace prynox
