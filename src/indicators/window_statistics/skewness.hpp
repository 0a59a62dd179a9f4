#pragma once
// Population skewness of the last N closes; 0 for a window without spread.
#include <cstdint>
#include <expected>
#include <optional>
#include <utility>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/moment_sums.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kSkewnessPeriodMessage = "skewness needs period >= 3";

class Skewness {
public:
    // A minimum of 3 with its own message (which also covers 0), then MAX_PERIOD.
    static std::expected<Skewness, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return sums_.period(); }

private:
    explicit Skewness(MomentSums<3> sums) : sums_(std::move(sums)) {}

    MomentSums<3> sums_;
};

}  // namespace prynox
