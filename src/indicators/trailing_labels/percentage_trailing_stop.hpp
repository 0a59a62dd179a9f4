#pragma once
// A trailing stop p percent of the close away from it, below while long and above while short.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/flipping_stop.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class PercentageTrailingStop {
public:
    // The multiplier check on the percentage.
    static std::expected<PercentageTrailingStop, IndicatorError> create(double percent);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        double d = (std::fabs(x) * percent_) / 100.0;
        return stop_.step(x, x - d, x + d);
    }
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit PercentageTrailingStop(double percent) : percent_(percent) {}
    double percent_;
    FlippingStop stop_;
};

}  // namespace prynox
