#pragma once
// Bipower variation: pi/2 times the sum of |r_i * r_(i-1)| over the adjacent pairs of the last
// N log returns (N - 1 products, not averaged). The sum runs with the leaving product
// subtracted and is re-summed exactly every N products.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/log_return_input.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kBipowerVariationPeriodMessage = "bipower variation period must be >= 2";

class BipowerVariation {
public:
    // 0, then MAX_PERIOD, then the minimum of 2.
    static std::expected<BipowerVariation, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    // N + 1
    std::uint64_t warmup_period() const { return sat_add(returns_.capacity(), 1); }

private:
    explicit BipowerVariation(std::uint64_t period) : returns_(period) {}

    LogReturnInput input_;
    RollingWindow<double> returns_;
    double b_ = 0.0;
    std::uint64_t updates_ = 0;
    // Products in the window that are not 0: none gives exactly 0 whatever the sum kept.
    std::uint64_t nonzero_ = 0;
};

}  // namespace prynox
