#pragma once
// Estimated leverage ratio: close / reference when the reference is above 0, else 0. A ratio that
// overflows gives no value.
#include <cstdint>
#include <expected>

#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class EstimatedLeverageRatio {
public:
    // No parameters and no checks.
    static std::expected<EstimatedLeverageRatio, IndicatorError> create() { return EstimatedLeverageRatio{}; }

    OptionalValue update_pair(double close, double reference);
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
