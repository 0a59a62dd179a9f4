#pragma once
// Population excess kurtosis of the last N closes; 0 for a window without spread.
#include <cstdint>
#include <expected>
#include <optional>
#include <utility>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/moment_sums.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kKurtosisPeriodMessage = "kurtosis needs period >= 4";

class Kurtosis {
public:
    // A minimum of 4 with its own message (which also covers 0), then MAX_PERIOD.
    static std::expected<Kurtosis, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return sums_.period(); }

private:
    explicit Kurtosis(MomentSums<4> sums) : sums_(std::move(sums)) {}

    MomentSums<4> sums_;
};

}  // namespace prynox
