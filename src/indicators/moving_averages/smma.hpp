#pragma once
// Smoothed (Wilder) moving average: seeded with the mean of the first N closes, then
// value = (x + value (N - 1)) / N.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/mean_seed.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Smma {
public:
    static std::expected<Smma, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    // Whether update_value would take x: an owner that runs several averages over one input asks
    // each first, so that they never take different inputs.
    bool takes(double x) const {
        if (!std::isfinite(x)) return false;
        if (value_) return std::isfinite((x + *value_ * n_minus_1_) / n_);
        return seed_.takes(x);
    }
    std::uint64_t warmup_period() const { return period_; }

private:
    explicit Smma(std::uint64_t period)
        : period_(period), n_(static_cast<double>(period)), n_minus_1_(static_cast<double>(period - 1)) {}

    std::uint64_t period_;
    double n_;
    double n_minus_1_;
    MeanSeed seed_;
    OptionalValue value_;
};

}  // namespace prynox
