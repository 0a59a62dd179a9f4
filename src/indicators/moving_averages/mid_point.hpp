#pragma once
// Midpoint of the highest and lowest of the last N closes.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>
#include <utility>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/window_extremes.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class MidPoint {
public:
    static std::expected<MidPoint, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) return std::nullopt;
        if (!extremes_.push(x)) return std::nullopt;
        if (!extremes_.full()) return std::nullopt;
        return midpoint(extremes_.max(), extremes_.min());
    }
    std::uint64_t warmup_period() const { return extremes_.length(); }

private:
    explicit MidPoint(WindowExtremes extremes) : extremes_(std::move(extremes)) {}
    WindowExtremes extremes_;
};

}  // namespace prynox
