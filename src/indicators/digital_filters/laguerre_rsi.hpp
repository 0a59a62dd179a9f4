#pragma once
// Laguerre RSI: the up and down steps between the four elements of a Laguerre filter with
// damping gamma, as a percentage of up over up plus down.
#include <array>
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kLaguerreRsiGammaMessage = "LaguerreRSI gamma must be a finite value in [0, 1]";

class LaguerreRsi {
public:
    // gamma finite in [0, 1].
    static std::expected<LaguerreRsi, IndicatorError> create(double gamma);

    // 50 on the first close and whenever the elements show no step. Elements or sums that
    // overflow give nothing and change nothing.
    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit LaguerreRsi(double gamma) : gamma_(gamma), one_minus_gamma_(1.0 - gamma) {}

    double gamma_;
    double one_minus_gamma_;
    std::array<double, 4> l_{0.0, 0.0, 0.0, 0.0};
    bool initialised_ = false;
};

}  // namespace prynox
