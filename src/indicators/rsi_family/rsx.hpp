#pragma once
// A smoothed, lag-reduced RSI: the one-bar change and its absolute value each go through three
// double-EMA stages (s = s * b + v * a, a = 3 / (N + 2)), each pair combined as 1.5 * first -
// 0.5 * second; the value is 50 * (change / absolute + 1), clamped to [0, 100].
#include <array>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Rsx {
public:
    // Window check on the period.
    static std::expected<Rsx, IndicatorError> create(std::uint64_t period);

    // The first N - 1 changes advance the stages without a value.
    OptionalValue update_value(double x);
    // N + 1
    std::uint64_t warmup_period() const { return sat_add(period_, 1); }

private:
    explicit Rsx(std::uint64_t period)
        : period_(period), a_(3.0 / (static_cast<double>(period) + 2.0)), b_(1.0 - a_) {}

    std::uint64_t period_;
    double a_;
    double b_;
    std::array<double, 6> change_{};    // s1 .. s6
    std::array<double, 6> absolute_{};  // u1 .. u6
    std::uint64_t updates_ = 0;
    double previous_ = 0.0;
    bool has_previous_ = false;
};

}  // namespace prynox
