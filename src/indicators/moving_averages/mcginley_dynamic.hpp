#pragma once
// McGinley dynamic: an average whose speed follows the ratio of the close to the average,
// value += (x - value) / ((x / value)^4 * 0.6 N), seeded with the mean of the first N closes.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/mean_seed.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class McGinleyDynamic {
public:
    static std::expected<McGinleyDynamic, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return period_; }

private:
    explicit McGinleyDynamic(std::uint64_t period) : period_(period), n_(static_cast<double>(period)) {}

    std::uint64_t period_;
    double n_;
    MeanSeed seed_;
    OptionalValue value_;
};

}  // namespace prynox
