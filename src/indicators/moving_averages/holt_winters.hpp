#pragma once
// Holt's linear smoothing: a level and a trend, each updated by its own factor; the value is
// level + trend, the one-step forecast.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kHoltWintersAlphaMessage = "HoltWinters alpha must be in (0.0, 1.0]";
inline constexpr const char* kHoltWintersBetaMessage = "HoltWinters beta must be in (0.0, 1.0]";

class HoltWinters {
public:
    static std::expected<HoltWinters, IndicatorError> create(double alpha, double beta);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return 2; }

private:
    HoltWinters(double alpha, double beta) : alpha_(alpha), beta_(beta) {}

    double alpha_;
    double beta_;
    OptionalValue first_;
    OptionalValue level_;
    double trend_ = 0.0;
};

}  // namespace prynox
