#pragma once
// Two-pole high-pass filter of the close: the trend removed, the cycles kept.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/two_pole_highpass.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class HighpassFilter {
public:
    // Window check on the period.
    static std::expected<HighpassFilter, IndicatorError> create(std::uint64_t period);

    // 0 for the first two closes. A step that overflows gives nothing and changes nothing.
    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) return std::nullopt;
        double h = stage_.next(x);
        if (!std::isfinite(h)) [[unlikely]]
            return std::nullopt;
        stage_.commit(x, h);
        return h;
    }
    std::uint64_t warmup_period() const { return 1; }

    const TwoPoleHighpass& stage() const { return stage_; }

private:
    explicit HighpassFilter(std::uint64_t period) : stage_(period) {}

    TwoPoleHighpass stage_;
};

}  // namespace prynox
