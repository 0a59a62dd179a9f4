#pragma once
// Decycler: the close minus its two-pole high-pass, i.e. the trend with the cycles removed.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/two_pole_highpass.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Decycler {
public:
    // Window check on the period.
    static std::expected<Decycler, IndicatorError> create(std::uint64_t period);

    // The close itself for the first two closes. A step that overflows gives nothing and
    // changes nothing.
    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) return std::nullopt;
        double h = stage_.next(x);
        double d = x - h;
        if (!std::isfinite(d)) [[unlikely]]
            return std::nullopt;
        stage_.commit(x, h);
        return d;
    }
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit Decycler(std::uint64_t period) : stage_(period) {}

    TwoPoleHighpass stage_;
};

}  // namespace prynox
