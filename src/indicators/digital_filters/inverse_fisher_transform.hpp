#pragma once
// Inverse Fisher transform: tanh(scale * close), in [-1, 1].
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kInverseFisherScaleMessage = "scale must be a positive finite number";

class InverseFisherTransform {
public:
    // scale finite and > 0.
    static std::expected<InverseFisherTransform, IndicatorError> create(double scale);

    // A product beyond the largest double gives exactly -1 or 1.
    OptionalValue update_value(double x) const {
        if (!std::isfinite(x)) return std::nullopt;
        return std::tanh(x * scale_);
    }
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit InverseFisherTransform(double scale) : scale_(scale) {}

    double scale_;
};

}  // namespace prynox
